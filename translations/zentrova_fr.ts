<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Zentrova::Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà en cours d’exécution</translation>
    </message>
</context>
<context>
    <name>Zentrova::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.
Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Zentrova::WebPage</name>
    <message>
        <source>Zentrova could not open this page in your web browser.
You can copy its address into a browser yourself:</source>
        <translation>Zentrova n’a pas pu ouvrir cette page dans votre navigateur web.
Vous pouvez copier vous-même son adresse dans un navigateur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Astrology dice readings</source>
        <translation>Tirages de dés astrologiques</translation>
    </message>
</context>
</TS>
