<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Zentrova::Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
    </message>
</context>
<context>
    <name>Zentrova::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Talvez haja uma atualização disponível para este software
Deseja verificar se há atualizações?</translation>
    </message>
</context>
<context>
    <name>Zentrova::WebPage</name>
    <message>
        <source>Zentrova could not open this page in your web browser.
You can copy its address into a browser yourself:</source>
        <translation>O Zentrova não conseguiu abrir esta página no seu navegador.
Você pode copiar o endereço e colá-lo em um navegador:</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Astrology dice readings</source>
        <translation>Leituras astrológicas com dados</translation>
    </message>
</context>
</TS>
