; SPDX-License-Identifier: MIT
; The installer's and uninstaller's own texts in each language it speaks
; (NSIS.template.in); the Modern UI brings the rest. As in the program: Sie,
; vous, tú, você. Windows' own names are its own: "Apps & Features" in German.
; The Start-menu entry's description comes from the desktop entry's Comment
; (WindowsPackage.cmake writes it).

LangString UninstallChoice ${LANG_ENGLISH} "Zentrova will be removed. Your settings (the date of the last update question) stay unless you tick the box below."
LangString UninstallChoice ${LANG_GERMAN} "Zentrova wird entfernt. Ihre Einstellungen (das Datum der letzten Update-Frage) bleiben erhalten, außer Sie kreuzen unten das Kästchen an."
LangString UninstallChoice ${LANG_FRENCH} "Zentrova va être supprimé. Vos paramètres (la date de la dernière question sur les mises à jour) sont conservés, sauf si vous cochez la case ci-dessous."
LangString UninstallChoice ${LANG_SPANISH} "Zentrova se eliminará. Tu configuración (la fecha de la última pregunta sobre actualizaciones) se conserva, salvo que marques la casilla de abajo."
LangString UninstallChoice ${LANG_PORTUGUESEBR} "O Zentrova será removido. Suas configurações (a data da última pergunta sobre atualizações) serão mantidas, a menos que você marque a caixa abaixo."

LangString RemoveSettings ${LANG_ENGLISH} "Remove my settings"
LangString RemoveSettings ${LANG_GERMAN} "Einstellungen löschen"
LangString RemoveSettings ${LANG_FRENCH} "Effacer mes paramètres"
LangString RemoveSettings ${LANG_SPANISH} "Borrar mi configuración"
LangString RemoveSettings ${LANG_PORTUGUESEBR} "Apagar configurações"

LangString RemoveProgramDescription ${LANG_ENGLISH} "The program, its shortcut and its entry in Apps and features."
LangString RemoveProgramDescription ${LANG_GERMAN} "Das Programm, seine Verknüpfung und sein Eintrag unter „Apps & Features“."
LangString RemoveProgramDescription ${LANG_FRENCH} "Le programme, son raccourci et son entrée dans « Applications et fonctionnalités »."
LangString RemoveProgramDescription ${LANG_SPANISH} "El programa, su acceso directo y su entrada en «Aplicaciones y características»."
LangString RemoveProgramDescription ${LANG_PORTUGUESEBR} "O programa, seu atalho e sua entrada em “Aplicativos e recursos”."

LangString RemoveSettingsDescription ${LANG_ENGLISH} "The settings Zentrova keeps for you in the registry."
LangString RemoveSettingsDescription ${LANG_GERMAN} "Die Einstellungen, die Zentrova für Sie in der Registrierung speichert."
LangString RemoveSettingsDescription ${LANG_FRENCH} "Les paramètres que Zentrova conserve pour vous dans le Registre."
LangString RemoveSettingsDescription ${LANG_SPANISH} "La configuración que Zentrova guarda para ti en el registro."
LangString RemoveSettingsDescription ${LANG_PORTUGUESEBR} "As configurações que o Zentrova guarda para você no Registro."
