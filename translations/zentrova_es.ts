<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Zentrova::Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>Zentrova::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Es posible que haya una actualización disponible para este programa.
¿Quieres buscar actualizaciones?</translation>
    </message>
</context>
<context>
    <name>Zentrova::WebPage</name>
    <message>
        <source>Zentrova could not open this page in your web browser.
You can copy its address into a browser yourself:</source>
        <translation>Zentrova no pudo abrir esta página en tu navegador web.
Puedes copiar tú mismo su dirección en un navegador:</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Astrology dice readings</source>
        <translation>Lecturas astrológicas con dados</translation>
    </message>
</context>
</TS>
