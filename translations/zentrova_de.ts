<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Zentrova::AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zentrova shows you how the different dice patterns relate to the twelve signs of the zodiac, planets and houses.</source>
        <translation>Zentrova zeigt Ihnen, wie die verschiedenen Würfelmuster mit den zwölf Tierkreiszeichen, den Planeten und den Häusern zusammenhängen.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <extracomment>Opens the page about a fully branded copy</extracomment>
        <translation>Klicken Sie hier für Details</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftschance für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Diese Software komplett unter der Marke Ihrer Website.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the web site address (a link)</extracomment>
        <translation>Besuchen Sie %1</translation>
    </message>
</context>
<context>
    <name>Zentrova::FarewellWindow</name>
    <message>
        <source>Quorvane Softwares, such as this can be created and maintained only with your support. The best way to support Quorvane is to visit Quorvane regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programme wie dieses kann Quorvane nur mit Ihrer Unterstützung entwickeln und pflegen. Am besten helfen Sie, indem Sie Quorvane regelmäßig besuchen und sich im Forum an den Diskussionen und anderen Aktivitäten beteiligen.</translation>
    </message>
    <message>
        <source>Visit Quorvane regularly. Support Quorvane by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quorvane</source>
        <translation>Besuchen Sie Quorvane regelmäßig. Unterstützen Sie Quorvane, indem Sie sich an den Diskussionen und anderen Aktivitäten beteiligen. Ohne Ihre regelmäßigen Besuche können diese Programme nicht betreut und gepflegt werden.</translation>
    </message>
    <message>
        <source>Quorvane is a FREE online discussion forum for all things mystic. To help Quorvane develop and maintain this software visit Quorvane regularly.</source>
        <translation>Quorvane ist ein KOSTENLOSES Online-Diskussionsforum für alles Mystische. Besuchen Sie Quorvane regelmäßig, damit Quorvane diese Software weiterentwickeln und pflegen kann.</translation>
    </message>
    <message>
        <source>Quorvane needs your help. All you need to do is visit Quorvane regularly and take part in the various discussions and activites to help us maintain and develop more Quorvane Softwares.</source>
        <translation>Quorvane braucht Ihre Hilfe. Besuchen Sie Quorvane einfach regelmäßig, und beteiligen Sie sich an den vielen Diskussionen und Aktivitäten. So helfen Sie uns, weitere Quorvane-Programme zu pflegen und zu entwickeln.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quorvane Softwares. From a single software, we have now grown to become the world’s largest resource of quorvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Wenn Ihnen diese Software gefallen hat, interessieren Sie sich sicher auch für unsere anderen Quorvane-Programme. Aus einem einzigen Programm sind wir zur weltweit größten Quelle für Quorvane-Programme gewachsen. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes – wir haben Programme für alle Bereiche und bieten unseren Nutzern so eine große Auswahl für jedes Interesse.</translation>
    </message>
    <message>
        <source>All the programs in the Quorvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Alle Quorvane-Programme sind einfach zu bedienen. Sie machen nicht nur Spaß, sondern sind auch sehr informativ. Probieren Sie sie noch heute aus, und erzählen Sie Freunden und Familie von Ihren Erfahrungen. </translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>Shown in the empty box for the user&apos;s own name</extracomment>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <extracomment>Shown in the empty box for the user&apos;s own e-mail address</extracomment>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Shown in the empty box for the message to the friend</extracomment>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <extracomment>Shown in the empty box for the friend&apos;s name</extracomment>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <extracomment>Shown in the empty box for the friend&apos;s e-mail address</extracomment>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Shorten Your Message</source>
        <translation>Bitte kürzen Sie Ihre Nachricht.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Closes the window and ends the program</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the web site host name (a check box that opens the site)</extracomment>
        <translation>Besuchen Sie jetzt %1</translation>
    </message>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Downloads von Quorvane</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Zu den Quorvane-Programmen</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>Accessible name of the box for the user&apos;s own name</extracomment>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Opens the referral page in the web browser</extracomment>
        <translation>&amp;Jetzt einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <extracomment>Accessible name of the box for the user&apos;s own address</extracomment>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <extracomment>Accessible name of the box for the friend&apos;s address</extracomment>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <extracomment>Accessible name of the box for the friend&apos;s name</extracomment>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Accessible name of the box for the message to the friend</extracomment>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>Zentrova::MainWindow</name>
    <message>
        <source>Opens a web page</source>
        <translation>Öffnet eine Webseite</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now.</source>
        <extracomment>%1 is the web site host name, e.g. www.example.org (a link text)</extracomment>
        <translation>Das beliebteste Online-Forum für Mystik. Klicken Sie hier und besuchen Sie jetzt %1.</translation>
    </message>
    <message>
        <source>Zentrova shows you how the different dice patterns relate to the twelve signs of the zodiac, planets and houses. Click here to get your reading now!</source>
        <translation>Zentrova zeigt Ihnen, wie die verschiedenen Würfelmuster mit den zwölf Tierkreiszeichen, den Planeten und den Häusern zusammenhängen. Klicken Sie jetzt hier für Ihre Deutung!</translation>
    </message>
    <message>
        <source>Click on the Dice for An Zentrova Reading</source>
        <translation>Zur Zentrova-Deutung auf die Würfel klicken</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Casts a planet reading</source>
        <translation>Würfelt für eine Planetendeutung</translation>
    </message>
    <message>
        <source>Zodiac</source>
        <translation>Tierkreis</translation>
    </message>
    <message>
        <source>Casts a zodiac sign reading</source>
        <translation>Würfelt für eine Deutung des Tierkreiszeichens</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>Casts a house reading</source>
        <translation>Würfelt für eine Hausdeutung</translation>
    </message>
    <message>
        <source>Comprehensive</source>
        <translation>Gesamtdeutung</translation>
    </message>
    <message>
        <source>Casts a comprehensive reading</source>
        <translation>Würfelt für eine Gesamtdeutung</translation>
    </message>
    <message>
        <source>Planet die</source>
        <translation>Planetenwürfel</translation>
    </message>
    <message>
        <source>Zodiac die</source>
        <translation>Tierkreiswürfel</translation>
    </message>
    <message>
        <source>House die</source>
        <translation>Hauswürfel</translation>
    </message>
    <message>
        <source>Comprehensive reading, planet die</source>
        <translation>Gesamtdeutung, Planetenwürfel</translation>
    </message>
    <message>
        <source>Comprehensive reading, zodiac die</source>
        <translation>Gesamtdeutung, Tierkreiswürfel</translation>
    </message>
    <message>
        <source>Comprehensive reading, house die</source>
        <translation>Gesamtdeutung, Hauswürfel</translation>
    </message>
    <message>
        <source>Reading pages</source>
        <translation>Seiten der Deutung</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>Planeten</translation>
    </message>
    <message>
        <source>Zodiac Sign</source>
        <translation>Tierkreiszeichen</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Häuser</translation>
    </message>
    <message>
        <source>Planet Name</source>
        <translation>Name des Planeten</translation>
    </message>
    <message>
        <source>The planet&apos;s significance for you.</source>
        <translation>Was der Planet für Sie bedeutet.</translation>
    </message>
    <message>
        <source>Zodiac Sign Name</source>
        <translation>Name des Tierkreiszeichens</translation>
    </message>
    <message>
        <source>The zodiac sign&apos;s significance for you.</source>
        <translation>Was das Tierkreiszeichen für Sie bedeutet.</translation>
    </message>
    <message>
        <source>Houses Name</source>
        <translation>Name des Hauses</translation>
    </message>
    <message>
        <source>The house&apos;s significance for you.</source>
        <translation>Was das Haus für Sie bedeutet.</translation>
    </message>
    <message>
        <source>&amp;Cast Zentrova Again</source>
        <translation>&amp;Noch einmal mit Zentrova würfeln</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Co-Branding dieser Software für Ihre Website: Steigern Sie Besuchertreue und Besucherzahlen. Setzen Sie hier Namen und Link Ihrer Website ein. Details unter „Hilfe“. Klicken Sie hier für mehr Infos zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftschance für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Holen Sie sich diese Software komplett unter der Marke Ihrer Website. Klicken Sie hier für weitere Details.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Über diese Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
</context>
<context>
    <name>Zentrova::ReadingPage</name>
    <message>
        <source>Planet die, first half</source>
        <translation>Planetenwürfel, erste Hälfte</translation>
    </message>
    <message>
        <source>Planet die, second half</source>
        <translation>Planetenwürfel, zweite Hälfte</translation>
    </message>
    <message>
        <source>Planet picture</source>
        <translation>Bild des Planeten</translation>
    </message>
    <message>
        <source>Zodiac sign die, first half</source>
        <translation>Tierkreiswürfel, erste Hälfte</translation>
    </message>
    <message>
        <source>Zodiac sign die, second half</source>
        <translation>Tierkreiswürfel, zweite Hälfte</translation>
    </message>
    <message>
        <source>Zodiac sign picture</source>
        <translation>Bild des Tierkreiszeichens</translation>
    </message>
    <message>
        <source>House die, first half</source>
        <translation>Hauswürfel, erste Hälfte</translation>
    </message>
    <message>
        <source>House die, second half</source>
        <translation>Hauswürfel, zweite Hälfte</translation>
    </message>
</context>
<context>
    <name>Zentrova::ReadingTables</name>
    <message>
        <source>Sun</source>
        <extracomment>A planet of astrology</extracomment>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>This is the prime source of energy. It sits at the centre of all you do and feeds every part of your chart. It marks your own quest in life, the inner search that leads you towards knowing yourself and towards wisdom.</source>
        <translation>Die Sonne ist die Urquelle aller Energie. Als Mittelpunkt all Ihres Tuns speist sie jeden Bereich Ihres Horoskops. In ihr zeigt sich Ihre ganz persönliche Suche im Leben: der innere Weg, der Sie zur Selbsterkenntnis und zur Weisheit führt.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>This is is the closest to the Earth and it mirrors the quest of the Sun in the way your personality shows itself. It tells how you draw energy from the people and places around you, and how you turn that energy into growth and into the emotional nourishment you need.</source>
        <translation>Der Mond ist der Erde am nächsten. In der Art, wie sich Ihre Persönlichkeit zeigt, spiegelt er die Suche der Sonne wider. Er verrät, wie Sie Energie aus den Menschen und Orten um sich herum schöpfen und wie Sie diese Energie in Wachstum und in die seelische Nahrung verwandeln, die Sie brauchen.</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>This shows your perspective to the happenings in the world around you. The way you read those events also gives you the answers that guide and explain your own actions.</source>
        <translation>Merkur zeigt Ihre Sicht auf das Geschehen in der Welt um Sie herum. Wie Sie diese Ereignisse deuten, gibt Ihnen zugleich die Antworten, die Ihr eigenes Handeln leiten und erklären.</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>This shows how you hold onto things that bring you personal satisfaction. It speaks of your wishes and desires, of what you long for, and of how freely you are able to voice them to others.</source>
        <translation>Venus zeigt, wie Sie an den Dingen festhalten, die Ihnen persönliche Erfüllung schenken. Es geht um Ihre Wünsche und Ihr Verlangen, um das, wonach Sie sich sehnen, und darum, wie frei Sie all das anderen gegenüber äußern können.</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>This is you personal special initiative for achieving your aims. It shows the drive and the full effort you put into reaching your goals.</source>
        <translation>Mars steht für Ihre ganz eigene Tatkraft, mit der Sie Ihre Vorhaben verwirklichen. Er zeigt Ihren Antrieb und den vollen Einsatz, mit dem Sie Ihre Ziele verfolgen.</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>This shows all your needs and the steps you take to see them fulfilled. Take care, though, that you do not lose yourself in fantasies along the way.</source>
        <translation>Jupiter zeigt all Ihre Bedürfnisse und die Schritte, die Sie unternehmen, damit sie sich erfüllen. Achten Sie jedoch darauf, sich dabei nicht in Fantasien zu verlieren.</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>This stands for your limitations and restrictions. It reminds you that even when you stand at the very peak of success, your place in the whole of creation remains only a small one.</source>
        <translation>Saturn steht für Ihre Grenzen und Beschränkungen. Er erinnert Sie daran, dass Ihr Platz im großen Ganzen der Schöpfung klein bleibt, selbst wenn Sie auf dem Gipfel des Erfolgs stehen.</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>This extends beyond the current universe and makes you aware of what lies past the things you know. Used with creativity, that awareness helps you break away from the old restrictions that hold you.</source>
        <translation>Uranus reicht über das gegenwärtige Universum hinaus und macht Ihnen bewusst, was jenseits des Bekannten liegt. Kreativ genutzt, hilft Ihnen dieses Bewusstsein, sich aus den alten Zwängen zu befreien, die Sie festhalten.</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>This is something that you are always searching for to feel complete. You can sense it close by, yet it is never in your hands.</source>
        <translation>Neptun steht für etwas, wonach Sie ständig suchen, um sich ganz zu fühlen. Sie spüren es ganz nah, und doch halten Sie es nie in Händen.</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>This is the ultimate commitment that you can make. It shows the power and reach of your own energies.</source>
        <translation>Pluto steht für die größte Hingabe, zu der Sie fähig sind. Er zeigt die Macht und die Reichweite Ihrer eigenen Energien.</translation>
    </message>
    <message>
        <source>Aries</source>
        <extracomment>A sign of the zodiac</extracomment>
        <translation>Widder</translation>
    </message>
    <message>
        <source>This is not a demanding sign. Picture a single dot among a great many others: it asks for nothing special, and yet it still finds its way to the centre of the pattern. You are content to blend in with the crowd until the right moment comes. You do not spread your effort thin; you work hard only for the one goal that you judge to be the best of all.</source>
        <translation>Der Widder ist kein anspruchsvolles Zeichen. Stellen Sie sich einen einzelnen Punkt unter sehr vielen anderen vor: Er verlangt nichts Besonderes und findet doch seinen Weg in die Mitte des Musters. Sie gehen gern in der Menge auf, bis der richtige Moment gekommen ist. Sie verzetteln sich nicht, sondern setzen sich mit ganzer Kraft nur für das eine Ziel ein, das Sie für das beste von allen halten.</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>This sign is one step forward in achieving your goals. You move towards them steadily, but always along the most comfortable path you can find. For you, life has to be smooth and easy, and you avoid the rough roads whenever you can.</source>
        <translation>Der Stier bringt Sie Ihren Zielen einen Schritt näher. Sie gehen stetig auf sie zu, doch immer auf dem bequemsten Weg, den Sie finden können. Das Leben muss für Sie glatt und leicht verlaufen, und steinige Wege meiden Sie, wo immer es geht.</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>This sign starts as a line from the centre that soon branches out towards many different alternatives. You keep an open mind and are always ready to look at other ways of solving a problem.</source>
        <translation>Dieses Zeichen beginnt als Linie, die von der Mitte ausgeht und sich bald in viele verschiedene Möglichkeiten verzweigt. Sie sind aufgeschlossen und stets bereit, auch andere Wege zur Lösung eines Problems in Betracht zu ziehen.</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>In this sign, the dot patterns signify the wall that you build around yourself for protection. You are sensitive and easily hurt, so you guard your inner world closely. Others often misread these boundaries as coldness, when they are only your way of staying safe.</source>
        <translation>In diesem Zeichen stehen die Punktmuster für die Mauer, die Sie zu Ihrem Schutz um sich herum errichten. Sie sind empfindsam und leicht verletzlich und hüten deshalb Ihre innere Welt sorgsam. Andere halten diese Grenzen oft für Kälte, dabei sind sie nur Ihre Art, sich zu schützen.</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>You are on always on a quest looking for appreciation and admiration from those around you. You like your life to be well ordered, with yourself as the king at its centre. Even so, you cannot rule alone, and you want the support and the loyalty of others behind you.</source>
        <translation>Sie suchen stets die Anerkennung und Bewunderung der Menschen um Sie herum. Sie mögen ein wohlgeordnetes Leben, in dessen Mittelpunkt Sie wie ein König stehen. Doch allein können Sie nicht herrschen: Sie wünschen sich die Unterstützung und die Treue anderer an Ihrer Seite.</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>You are always neat and methodical. The six dots of this sign stand in a tidy, ordered pattern, just as you like things to be. You are meticulous and communicative, with a sharp eye for detail. You are quick to spot errors that others miss, and you are at your best when there is a problem to be solved.</source>
        <translation>Sie sind stets ordentlich und methodisch. Die sechs Punkte dieses Zeichens bilden ein sauberes, geordnetes Muster – genau so, wie Sie die Dinge gern haben. Sie sind gewissenhaft und mitteilsam und haben einen scharfen Blick fürs Detail. Fehler, die anderen entgehen, bemerken Sie schnell, und zur Höchstform laufen Sie auf, wenn es ein Problem zu lösen gibt.</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>This is the quest for peace and beauty. You try to keep a balance between the real world and your dreams. When a delicate decision has to be made, you weigh it carefully and then take it with a firm mind. The image of this sign works like a mirror, showing each side the other.</source>
        <translation>Die Waage steht für die Suche nach Frieden und Schönheit. Sie versuchen, zwischen der Wirklichkeit und Ihren Träumen das Gleichgewicht zu halten. Steht eine heikle Entscheidung an, wägen Sie sorgfältig ab und treffen sie dann mit festem Entschluss. Das Bild dieses Zeichens wirkt wie ein Spiegel, der jeder Seite die andere zeigt.</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>You appreciate power and status. You hold your beliefs with real passion and keep your secrets well hidden, like the eight corners of a closed cube.</source>
        <translation>Sie schätzen Macht und Ansehen. Sie vertreten Ihre Überzeugungen mit echter Leidenschaft und hüten Ihre Geheimnisse gut – wie die acht Ecken eines geschlossenen Würfels.</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>This sign stands for freedom of expression. You like to help others where you can, and you are harsh only when it is for their own good.</source>
        <translation>Der Schütze steht für die Freiheit, sich offen auszudrücken. Sie helfen anderen gern, wo Sie können, und werden nur dann hart, wenn es dem anderen zugutekommt.</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>This is the quest for control and firmness. You are sensible, practical and firmly down to earth, and you believe that there is a place for everything and that everything belongs in its place.</source>
        <translation>Der Steinbock steht für das Streben nach Kontrolle und Beständigkeit. Sie sind vernünftig, praktisch veranlagt und stehen mit beiden Beinen fest auf dem Boden. Für Sie gilt: Alles hat seinen Platz, und alles gehört an seinen Platz.</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>You will be an outcast. You do not follow the rules that the system lays down; instead you stand aside from it and think about the world around you in a calm and objective way.</source>
        <translation>Sie werden zum Außenseiter. Sie folgen nicht den Regeln, die das System vorgibt, sondern halten sich abseits und betrachten die Welt um sich herum ruhig und sachlich.</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>This sign prefers to be in the background. Yet it knows that many small drops together make an ocean.</source>
        <translation>Dieses Zeichen hält sich lieber im Hintergrund. Doch es weiß, dass viele kleine Tropfen zusammen ein Meer ergeben.</translation>
    </message>
    <message>
        <source>1st House - The House of Identity</source>
        <extracomment>A house of the natal chart: its number, then its traditional name</extracomment>
        <translation>1. Haus – Das Haus der Identität</translation>
    </message>
    <message>
        <source>Much can be determined about someones personality from this house. It deals with the self and with your individuality, with your appearance and with the image that you project to the world. The sign rising on the eastern horizon at the moment of your birth, the ascendant, marks the start of this house. Because everything else in the chart grows out of it, many astrologers call it the most vital house of all. It describes your looks and the shape of your body, your general health and vitality, and the way you first meet new people. It also speaks of your early years and of the temperament you showed as a child.</source>
        <translation>Aus diesem Haus lässt sich viel über die Persönlichkeit eines Menschen ablesen. Es handelt vom Selbst und von Ihrer Individualität, von Ihrem Erscheinungsbild und von der Wirkung, die Sie nach außen haben. Das Zeichen, das im Augenblick Ihrer Geburt am Osthorizont aufstieg, der Aszendent, markiert den Beginn dieses Hauses. Weil alles andere im Horoskop aus ihm hervorgeht, halten viele Astrologen es für das wichtigste Haus überhaupt. Es beschreibt Ihr Aussehen und Ihren Körperbau, Ihre Gesundheit und Lebenskraft und die Art, wie Sie auf neue Menschen zugehen. Außerdem erzählt es von Ihren ersten Lebensjahren und von Ihrem Temperament als Kind.</translation>
    </message>
    <message>
        <source>2nd House - The House of Finances</source>
        <translation>2. Haus – Das Haus der Finanzen</translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of material possessions and wealth. It shows how you earn, save and spend, and how well you handle the resources that come into your hands. Gains and losses of money, property and valuables are read from here, as is the sense of safety and security that they give you. Beyond money, it reveals what you truly value in life and how much you value yourself, so your self-esteem is tied closely to this house. The things you own often reflect the things you believe you deserve. In matters of the body, this house is linked with the eyesight, especially the right eye, and with the throat, the neck and the voice.</source>
        <translation>Dieses Haus gilt traditionell als das Haus des materiellen Besitzes und des Wohlstands. Es zeigt, wie Sie Geld verdienen, sparen und ausgeben und wie gut Sie mit den Mitteln umgehen, die Ihnen zufließen. Gewinne und Verluste an Geld, Eigentum und Wertsachen liest man hier ab, ebenso das Gefühl von Sicherheit und Geborgenheit, das sie Ihnen geben. Über das Geld hinaus zeigt es, was Ihnen im Leben wirklich wichtig ist und wie viel Sie sich selbst wert sind; Ihr Selbstwertgefühl ist daher eng mit diesem Haus verbunden. Was Sie besitzen, spiegelt oft wider, was Sie zu verdienen glauben. Körperlich steht dieses Haus für das Sehvermögen, besonders das rechte Auge, sowie für Kehle, Hals und Stimme.</translation>
    </message>
    <message>
        <source>3rd House - The House of Communication</source>
        <translation>3. Haus – Das Haus der Kommunikation</translation>
    </message>
    <message>
        <source>This house corresponds to your power of communication. It shows how well you speak and write, how you put your thoughts into words, and how readily others understand you. It also reveals your basic attitude to life: whether you meet each day with courage or caution, and how willing you are to take risks. Your brothers and sisters, your cousins and your neighbours are found here, together with the bonds you share with them. Short trips, daily travel and errands belong to this house as well. Finally, it describes your intellect, your curiosity and your quickness of mind, and the way you learn new things.</source>
        <translation>Dieses Haus steht für Ihre Fähigkeit, sich mitzuteilen. Es zeigt, wie gut Sie sprechen und schreiben, wie Sie Ihre Gedanken in Worte fassen und wie leicht andere Sie verstehen. Es verrät auch Ihre Grundhaltung zum Leben: ob Sie jedem Tag mit Mut oder mit Vorsicht begegnen und wie bereit Sie sind, Risiken einzugehen. Ihre Geschwister, Cousins und Cousinen und Ihre Nachbarn finden sich hier, ebenso die Bande, die Sie mit ihnen verbinden. Auch kurze Reisen, alltägliche Wege und Besorgungen gehören zu diesem Haus. Schließlich beschreibt es Ihren Verstand, Ihre Neugier und Ihre geistige Beweglichkeit sowie die Art, wie Sie Neues lernen.</translation>
    </message>
    <message>
        <source>4th House - The House of Family</source>
        <translation>4. Haus – Das Haus der Familie</translation>
    </message>
    <message>
        <source>This house is also known as Matristhan in Vedic astrology, the place of the mother. It describes your mother and every mother-like figure who has cared for you, and the love and comfort they gave. It is the root of your emotional security, the calm place inside you where you feel safe. Your need for privacy, your home, your land and the house you live in are all read here. It shows the bonds that tie you to your family, the traditions you carry and the heritage passed down to you by your ancestors. Because it rules both beginnings and endings, this house speaks of your childhood as well as of your old age, and of the kind of peace you will find at the close of life.</source>
        <translation>In der vedischen Astrologie heißt dieses Haus auch Matristhan, der Ort der Mutter. Es beschreibt Ihre Mutter und jede mütterliche Gestalt, die für Sie gesorgt hat, und die Liebe und Fürsorge, die sie Ihnen geschenkt haben. Es ist die Wurzel Ihrer seelischen Sicherheit, der ruhige Ort in Ihrem Inneren, an dem Sie sich geborgen fühlen. Ihr Bedürfnis nach Privatsphäre, Ihr Zuhause, Ihr Grund und Boden und das Haus, in dem Sie wohnen, werden hier abgelesen. Es zeigt die Bande, die Sie mit Ihrer Familie verbinden, die Traditionen, die Sie weitertragen, und das Erbe, das Ihnen Ihre Vorfahren hinterlassen haben. Da es für Anfang wie für Ende steht, spricht dieses Haus von Ihrer Kindheit ebenso wie von Ihrem Alter und davon, welchen Frieden Sie am Lebensabend finden.</translation>
    </message>
    <message>
        <source>5th House - The House of Pleasures</source>
        <translation>5. Haus – Das Haus der Lebensfreude</translation>
    </message>
    <message>
        <source>This house signifies the place of love affairs, romance and the joy of courtship. It shows how you fall in love, what charms you in another person, and how you express your affection. It is also the house of the intellect, and it tells of your education, your studies and your talent for learning. Creativity lives here: art, music, writing, drama and every other way in which you express who you are. Games, hobbies and the simple pleasures of life that bring you delight are read from this house too. Above all, it speaks of children, of your bond with them and of the joy they bring into your life, and of the legacy you leave through them.</source>
        <translation>Dieses Haus steht für Liebesbeziehungen, Romantik und die Freude am Flirten. Es verrät, wie Sie sich verlieben, was Sie an einem anderen Menschen bezaubert und wie Sie Ihre Zuneigung zeigen. Es ist außerdem das Haus des Intellekts und erzählt von Ihrer Bildung, Ihrem Studium und Ihrer Begabung zum Lernen. Hier lebt die Kreativität: Kunst, Musik, Schreiben, Schauspiel und jede andere Form, in der Sie ausdrücken, wer Sie sind. Auch Spiele, Hobbys und die einfachen Freuden des Lebens, die Ihnen Vergnügen bereiten, lassen sich aus diesem Haus ablesen. Vor allem aber spricht es von Kindern, von Ihrer Bindung zu ihnen, von der Freude, die sie in Ihr Leben bringen, und von dem Vermächtnis, das Sie durch sie hinterlassen.</translation>
    </message>
    <message>
        <source>6th House - The House of Health</source>
        <translation>6. Haus – Das Haus der Gesundheit</translation>
    </message>
    <message>
        <source>This house indicates the skills we possess and the kind of work we are best suited for. It shows your daily routine, your sense of duty and the service you willingly give to others. Your colleagues, your employees and the atmosphere at your place of work are seen here. It is also the house of enemies and rivals, and of the obstacles that stand in your way, as well as your strength to overcome them. Disputes, debts and legal matters, including court cases, fall under this house. Most of all, it is linked with health: it reveals your tendency to illness, the way your body copes with stress and worry, and the habits that can keep you fit and well.</source>
        <translation>Dieses Haus gibt Aufschluss über die Fähigkeiten, die wir besitzen, und über die Arbeit, für die wir am besten geeignet sind. Es zeigt Ihren Alltag, Ihr Pflichtgefühl und die Dienste, die Sie anderen bereitwillig leisten. Ihre Kollegen, Ihre Angestellten und das Klima an Ihrem Arbeitsplatz zeigen sich hier. Es ist auch das Haus der Feinde und Rivalen, der Hindernisse auf Ihrem Weg und Ihrer Kraft, sie zu überwinden. Streitigkeiten, Schulden und Rechtsangelegenheiten bis hin zu Gerichtsverfahren fallen ebenfalls in dieses Haus. Vor allem aber hat es mit der Gesundheit zu tun: Es zeigt Ihre Anfälligkeit für Krankheiten, wie Ihr Körper mit Stress und Sorgen umgeht und welche Gewohnheiten Sie fit und gesund halten.</translation>
    </message>
    <message>
        <source>7th House - The House of Partnerships</source>
        <translation>7. Haus – Das Haus der Partnerschaften</translation>
    </message>
    <message>
        <source>This house is commonly believed to define our closest partnerships. It is above all the house of marriage, and it describes the spouse you are drawn to, the nature of your married life and the balance between the two of you. Beyond love, it rules business partnerships and agreements of every kind, so contracts, deals and joint ventures are judged from here. It shows how you cooperate, how you share responsibility and how you handle open conflict with a partner. It also covers your relations with your peers and with the public at large, and how others see you when you stand beside them as an equal.</source>
        <translation>Nach verbreiteter Auffassung bestimmt dieses Haus unsere engsten Partnerschaften. Es ist vor allem das Haus der Ehe und beschreibt, zu welchem Ehepartner Sie sich hingezogen fühlen, wie Ihr Eheleben verläuft und wie sich das Gleichgewicht zwischen Ihnen beiden gestaltet. Über die Liebe hinaus steht es für Geschäftspartnerschaften und Vereinbarungen aller Art; Verträge, Geschäfte und gemeinsame Unternehmungen beurteilt man daher von hier aus. Es zeigt, wie Sie zusammenarbeiten, wie Sie Verantwortung teilen und wie Sie offene Konflikte mit einem Partner austragen. Es umfasst auch Ihre Beziehungen zu Gleichgestellten und zur breiten Öffentlichkeit und zeigt, wie andere Sie sehen, wenn Sie ihnen auf Augenhöhe begegnen.</translation>
    </message>
    <message>
        <source>8th House - The House of Spirituality</source>
        <translation>8. Haus – Das Haus der Spiritualität</translation>
    </message>
    <message>
        <source>This house corresponds to the sexual nature of a person and to the deep bonds of intimacy. It is read for longevity, for the length of life, and for the dangers, accidents and sudden events you may face. It rules the transformations that change your life for good, the crises you pass through and the endings that clear the way for new beginnings. Secrets, hidden matters, research and the occult are found here as well. This house also governs inheritance, legacies and money shared with others, as well as unconventional income such as insurance, taxes, royalties or unexpected gains.</source>
        <translation>Dieses Haus steht für die sexuelle Natur eines Menschen und für tiefe, intime Bindungen. Man liest aus ihm die Lebensdauer ab, aber auch die Gefahren, Unfälle und plötzlichen Ereignisse, denen Sie begegnen können. Es zeigt die Wandlungen, die Ihr Leben für immer verändern, die Krisen, die Sie durchleben, und die Abschlüsse, die den Weg für Neuanfänge frei machen. Auch Geheimnisse, Verborgenes, Forschung und das Okkulte finden sich hier. Zu diesem Haus gehören außerdem Erbschaften, Vermächtnisse und das Geld, das Sie mit anderen teilen, sowie Einkünfte aus ungewöhnlichen Quellen wie Versicherungen, Steuererstattungen, Tantiemen oder unerwarteten Gewinnen.</translation>
    </message>
    <message>
        <source>9th House - The House of Travel</source>
        <translation>9. Haus – Das Haus der Reisen</translation>
    </message>
    <message>
        <source>This house of your natal chart defines the values and principles by which you live. It is the house of philosophy and religion, of faith and of the search for a deeper meaning. It is also known as the house of luck and fortune, showing the blessings that come to you. Higher education, deep learning and the fame or honour that learning can bring are read here. It points to your intuition, your conscience and your sense of what is right. Long journeys, travel to foreign lands and contact with other cultures also belong to this house, opening your mind to a wider world.</source>
        <translation>Dieses Haus Ihres Geburtshoroskops bestimmt die Werte und Grundsätze, nach denen Sie leben. Es ist das Haus der Philosophie und der Religion, des Glaubens und der Suche nach einem tieferen Sinn. Es gilt auch als Haus des Glücks und zeigt, welcher Segen Ihnen zuteilwird. Höhere Bildung, gründliches Studium und der Ruhm oder die Ehre, die Wissen mit sich bringen kann, liest man hier ab. Es weist auf Ihre Intuition, Ihr Gewissen und Ihr Gespür für das Richtige hin. Auch große Reisen, Fahrten in fremde Länder und die Begegnung mit anderen Kulturen gehören zu diesem Haus und öffnen Ihren Blick für die weite Welt.</translation>
    </message>
    <message>
        <source>10th House - The House of Career</source>
        <translation>10. Haus – Das Haus der Karriere</translation>
    </message>
    <message>
        <source>This house of tells about your career and profession and about the work you do in the world. It shows your ambitions, your achievements and the public standing you gain through them, and how far you are likely to rise. It describes your relationships at every level, with superiors, with colleagues and with those who depend on you for guidance. This house is also linked with your father and with the lessons and example he gave you. Finally, it rules authority, status, honour and reputation, and the respect you earn through your own hard efforts and deeds.</source>
        <translation>Dieses Haus erzählt von Ihrer Karriere, Ihrem Beruf und dem, was Sie in der Welt leisten. Es zeigt Ihren Ehrgeiz, Ihre Erfolge und das öffentliche Ansehen, das Sie damit gewinnen, und wie weit Sie voraussichtlich aufsteigen. Es beschreibt Ihre Beziehungen auf allen Ebenen: zu Vorgesetzten, zu Kollegen und zu denen, die auf Ihre Führung angewiesen sind. Dieses Haus ist auch mit Ihrem Vater verbunden und mit den Lehren und dem Vorbild, die er Ihnen mitgegeben hat. Schließlich steht es für Autorität, Status, Ehre und Ruf und für den Respekt, den Sie sich durch eigene Mühe und eigene Taten verdienen.</translation>
    </message>
    <message>
        <source>11th House - The House of Hopes</source>
        <translation>11. Haus – Das Haus der Hoffnungen</translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of income and of the rewards that your efforts bring. It shows your monetary gains from every source, from your work, your business and your investments, and how your dearest wishes come true. It is the house of sociability and friendship, revealing the friends you make, the clubs, groups and circles you join and the support you find among them. Your hopes for the future and your ideals for a better world are read here, along with your humanitarian causes and your political interests. This house also speaks of step-children and of elder brothers and sisters.</source>
        <translation>Dieses Haus gilt traditionell als das Haus des Einkommens und der Früchte, die Ihre Mühen tragen. Es zeigt Ihre Geldgewinne aus allen Quellen – aus Arbeit, Geschäft und Geldanlagen – und wie sich Ihre sehnlichsten Wünsche erfüllen. Es ist das Haus der Geselligkeit und der Freundschaft: Es zeigt, welche Freunde Sie gewinnen, welchen Vereinen, Gruppen und Kreisen Sie sich anschließen und welchen Rückhalt Sie dort finden. Ihre Hoffnungen für die Zukunft und Ihre Ideale für eine bessere Welt liest man hier ab, ebenso Ihr humanitäres Engagement und Ihre politischen Interessen. Dieses Haus spricht außerdem von Stiefkindern und von älteren Geschwistern.</translation>
    </message>
    <message>
        <source>12th House - The House of Shortcomings</source>
        <translation>12. Haus – Das Haus der Schwächen</translation>
    </message>
    <message>
        <source>In Indian Astrology, this house is known as the house of expenses and of losses. It reveals your hidden persona, the part of you that you keep away from the eyes of the world. Your karma from past lives, your dreams, your sleep and your visions are read here. It is the house of charity and of selfless giving, but also of sorrows, isolation, secret enemies and the limitations that hold you back. Hospitals, prisons, monasteries and far places of retreat belong to it. Finally, it points to the after-life and to the final release of the soul.</source>
        <translation>In der indischen Astrologie gilt dieses Haus als das Haus der Ausgaben und Verluste. Es enthüllt Ihre verborgene Seite, den Teil von Ihnen, den Sie den Blicken der Welt entziehen. Ihr Karma aus früheren Leben, Ihre Träume, Ihr Schlaf und Ihre Visionen werden hier abgelesen. Es ist das Haus der Wohltätigkeit und des selbstlosen Gebens, aber auch des Kummers, der Einsamkeit, der heimlichen Feinde und der Grenzen, die Sie zurückhalten. Krankenhäuser, Gefängnisse, Klöster und ferne Orte des Rückzugs gehören ebenfalls hierher. Schließlich weist es auf das Leben nach dem Tod und auf die endgültige Erlösung der Seele hin.</translation>
    </message>
</context>
<context>
    <name>Zentrova::Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits.</translation>
    </message>
</context>
<context>
    <name>Zentrova::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Für diese Software ist möglicherweise ein Update verfügbar.
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
