<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Zentrova::Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Die Anwendung läuft bereits</translation>
    </message>
</context>
<context>
    <name>Zentrova::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Möglicherweise ist ein Update für diese Software verfügbar.
Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>Zentrova::WebPage</name>
    <message>
        <source>Zentrova could not open this page in your web browser.
You can copy its address into a browser yourself:</source>
        <translation>Zentrova konnte diese Seite nicht in Ihrem Webbrowser öffnen.
Sie können die Adresse selbst in einen Browser kopieren:</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Astrology dice readings</source>
        <translation>Astrologische Würfeldeutungen</translation>
    </message>
</context>
</TS>
