<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Zentrova::AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zentrova shows you how the different dice patterns relate to the twelve signs of the zodiac, planets and houses.</source>
        <translation>Zentrova vous montre le lien entre les combinaisons des dés et les douze signes du zodiaque, les planètes et les maisons.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <extracomment>Opens the page about a fully branded copy</extracomment>
        <translation>Cliquez pour en savoir plus</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Opportunité d’affaires à domicile. Créez votre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement à votre marque pour votre site.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the web site address (a link)</extracomment>
        <translation>Visitez %1</translation>
    </message>
</context>
<context>
    <name>Zentrova::FarewellWindow</name>
    <message>
        <source>Quorvane Softwares, such as this can be created and maintained only with your support. The best way to support Quorvane is to visit Quorvane regularly and take part in the discussions and other activities on the board.</source>
        <translation>Des logiciels Quorvane comme celui-ci ne peuvent être créés et maintenus que grâce à votre soutien. La meilleure façon de soutenir Quorvane est de venir régulièrement sur Quorvane et de participer aux discussions et aux autres activités du forum.</translation>
    </message>
    <message>
        <source>Visit Quorvane regularly. Support Quorvane by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quorvane</source>
        <translation>Venez régulièrement sur Quorvane. Soutenez Quorvane en participant aux discussions et aux autres activités. Sans vos visites régulières sur Quorvane, ces logiciels ne peuvent être ni suivis ni maintenus.</translation>
    </message>
    <message>
        <source>Quorvane is a FREE online discussion forum for all things mystic. To help Quorvane develop and maintain this software visit Quorvane regularly.</source>
        <translation>Quorvane est un forum de discussion en ligne GRATUIT consacré à l’ésotérisme sous toutes ses formes. Pour aider Quorvane à développer et à maintenir ce logiciel, venez régulièrement sur Quorvane.</translation>
    </message>
    <message>
        <source>Quorvane needs your help. All you need to do is visit Quorvane regularly and take part in the various discussions and activites to help us maintain and develop more Quorvane Softwares.</source>
        <translation>Quorvane a besoin de votre aide. Il vous suffit de venir régulièrement sur Quorvane et de participer aux diverses discussions et activités pour nous aider à maintenir les logiciels Quorvane et à en développer d’autres.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quorvane Softwares. From a single software, we have now grown to become the world’s largest resource of quorvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Si ce logiciel vous a plu, nos autres logiciels Quorvane vous intéresseront sûrement. Partis d’un seul logiciel, nous sommes devenus la première source mondiale de logiciels Quorvane. Astrologie, voyance, tarot, numérologie ou occultisme&#xa0;: nous avons des programmes dans tous les domaines, ce qui offre à nos utilisateurs un large choix selon leurs centres d’intérêt.</translation>
    </message>
    <message>
        <source>All the programs in the Quorvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Tous les programmes de la suite Quorvane Softwares sont simples et faciles à utiliser. Ils sont à la fois ludiques et très instructifs. Essayez-les dès aujourd’hui et partagez vos impressions avec vos amis et votre famille. </translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>Shown in the empty box for the user&apos;s own name</extracomment>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <extracomment>Shown in the empty box for the user&apos;s own e-mail address</extracomment>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Shown in the empty box for the message to the friend</extracomment>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <extracomment>Shown in the empty box for the friend&apos;s name</extracomment>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <extracomment>Shown in the empty box for the friend&apos;s e-mail address</extracomment>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide.</translation>
    </message>
    <message>
        <source>Please Shorten Your Message</source>
        <translation>Veuillez raccourcir votre message.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Closes the window and ends the program</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the web site host name (a check box that opens the site)</extracomment>
        <translation>Visitez %1 dès maintenant</translation>
    </message>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Logiciels Quorvane à télécharger</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Découvrez les logiciels Quorvane</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>Accessible name of the box for the user&apos;s own name</extracomment>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Opens the referral page in the web browser</extracomment>
        <translation>&amp;Recommander maintenant</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <extracomment>Accessible name of the box for the user&apos;s own address</extracomment>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <extracomment>Accessible name of the box for the friend&apos;s address</extracomment>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <extracomment>Accessible name of the box for the friend&apos;s name</extracomment>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Accessible name of the box for the message to the friend</extracomment>
        <translation>Message</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’adresse e-mail ne doit pas contenir d’espace.</translation>
    </message>
</context>
<context>
    <name>Zentrova::MainWindow</name>
    <message>
        <source>Opens a web page</source>
        <translation>Ouvre une page web</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now.</source>
        <extracomment>%1 is the web site host name, e.g. www.example.org (a link text)</extracomment>
        <translation>Le forum ésotérique le plus populaire du Web. Cliquez ici pour visiter %1 maintenant.</translation>
    </message>
    <message>
        <source>Zentrova shows you how the different dice patterns relate to the twelve signs of the zodiac, planets and houses. Click here to get your reading now!</source>
        <translation>Zentrova vous montre le lien entre les combinaisons des dés et les douze signes du zodiaque, les planètes et les maisons. Cliquez ici pour faire votre tirage dès maintenant&#x202f;!</translation>
    </message>
    <message>
        <source>Click on the Dice for An Zentrova Reading</source>
        <translation>Cliquez sur les dés pour un tirage Zentrova</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planète</translation>
    </message>
    <message>
        <source>Casts a planet reading</source>
        <translation>Lance les dés pour un tirage de planète</translation>
    </message>
    <message>
        <source>Zodiac</source>
        <translation>Zodiaque</translation>
    </message>
    <message>
        <source>Casts a zodiac sign reading</source>
        <translation>Lance les dés pour un tirage de signe du zodiaque</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Casts a house reading</source>
        <translation>Lance les dés pour un tirage de maison</translation>
    </message>
    <message>
        <source>Comprehensive</source>
        <translation>Complet</translation>
    </message>
    <message>
        <source>Casts a comprehensive reading</source>
        <translation>Lance les dés pour un tirage complet</translation>
    </message>
    <message>
        <source>Planet die</source>
        <translation>Dé des planètes</translation>
    </message>
    <message>
        <source>Zodiac die</source>
        <translation>Dé du zodiaque</translation>
    </message>
    <message>
        <source>House die</source>
        <translation>Dé des maisons</translation>
    </message>
    <message>
        <source>Comprehensive reading, planet die</source>
        <translation>Tirage complet, dé des planètes</translation>
    </message>
    <message>
        <source>Comprehensive reading, zodiac die</source>
        <translation>Tirage complet, dé du zodiaque</translation>
    </message>
    <message>
        <source>Comprehensive reading, house die</source>
        <translation>Tirage complet, dé des maisons</translation>
    </message>
    <message>
        <source>Reading pages</source>
        <translation>Pages du tirage</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>Planètes</translation>
    </message>
    <message>
        <source>Zodiac Sign</source>
        <translation>Signe du zodiaque</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Maisons</translation>
    </message>
    <message>
        <source>Planet Name</source>
        <translation>Nom de la planète</translation>
    </message>
    <message>
        <source>The planet&apos;s significance for you.</source>
        <translation>Ce que la planète signifie pour vous.</translation>
    </message>
    <message>
        <source>Zodiac Sign Name</source>
        <translation>Nom du signe</translation>
    </message>
    <message>
        <source>The zodiac sign&apos;s significance for you.</source>
        <translation>Ce que le signe signifie pour vous.</translation>
    </message>
    <message>
        <source>Houses Name</source>
        <translation>Nom de la maison</translation>
    </message>
    <message>
        <source>The house&apos;s significance for you.</source>
        <translation>Ce que la maison signifie pour vous.</translation>
    </message>
    <message>
        <source>&amp;Cast Zentrova Again</source>
        <translation>&amp;Nouveau tirage Zentrova</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Associez votre marque à ce logiciel sur votre site. Fidélisez vos visiteurs et augmentez votre trafic. Placez ici le nom et le lien de votre site. Consultez «&#xa0;Aide&#xa0;» pour plus de détails. Cliquez ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Opportunité d’affaires à domicile. Créez votre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement à votre marque pour votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
</context>
<context>
    <name>Zentrova::ReadingPage</name>
    <message>
        <source>Planet die, first half</source>
        <translation>Dé des planètes, première moitié</translation>
    </message>
    <message>
        <source>Planet die, second half</source>
        <translation>Dé des planètes, seconde moitié</translation>
    </message>
    <message>
        <source>Planet picture</source>
        <translation>Symbole de la planète</translation>
    </message>
    <message>
        <source>Zodiac sign die, first half</source>
        <translation>Dé du zodiaque, première moitié</translation>
    </message>
    <message>
        <source>Zodiac sign die, second half</source>
        <translation>Dé du zodiaque, seconde moitié</translation>
    </message>
    <message>
        <source>Zodiac sign picture</source>
        <translation>Symbole du signe</translation>
    </message>
    <message>
        <source>House die, first half</source>
        <translation>Dé des maisons, première moitié</translation>
    </message>
    <message>
        <source>House die, second half</source>
        <translation>Dé des maisons, seconde moitié</translation>
    </message>
</context>
<context>
    <name>Zentrova::ReadingTables</name>
    <message>
        <source>Sun</source>
        <extracomment>A planet of astrology</extracomment>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>This is the prime source of energy. It sits at the centre of all you do and feeds every part of your chart. It marks your own quest in life, the inner search that leads you towards knowing yourself and towards wisdom.</source>
        <translation>Le Soleil est la source première de l’énergie. Au cœur de tout ce que vous entreprenez, il nourrit chaque partie de votre thème. Il représente votre quête personnelle, cette recherche intérieure qui vous conduit vers la connaissance de soi et vers la sagesse.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>This is is the closest to the Earth and it mirrors the quest of the Sun in the way your personality shows itself. It tells how you draw energy from the people and places around you, and how you turn that energy into growth and into the emotional nourishment you need.</source>
        <translation>La Lune est l’astre le plus proche de la Terre&#x202f;; elle reflète la quête du Soleil dans la façon dont s’exprime votre personnalité. Elle indique comment vous puisez votre énergie auprès des personnes et des lieux qui vous entourent, et comment vous la transformez en épanouissement et en cette nourriture affective dont vous avez besoin.</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>This shows your perspective to the happenings in the world around you. The way you read those events also gives you the answers that guide and explain your own actions.</source>
        <translation>Mercure montre votre regard sur ce qui se passe dans le monde qui vous entoure. La façon dont vous interprétez ces événements vous apporte aussi les réponses qui guident et expliquent vos propres actes.</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
    </message>
    <message>
        <source>This shows how you hold onto things that bring you personal satisfaction. It speaks of your wishes and desires, of what you long for, and of how freely you are able to voice them to others.</source>
        <translation>Vénus montre comment vous vous attachez à ce qui vous apporte une satisfaction personnelle. Elle parle de vos souhaits et de vos désirs, de ce à quoi vous aspirez, et de l’aisance avec laquelle vous savez les confier aux autres.</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>This is you personal special initiative for achieving your aims. It shows the drive and the full effort you put into reaching your goals.</source>
        <translation>Mars incarne votre esprit d’initiative, cette force bien à vous qui vous pousse vers vos objectifs. Il montre l’élan et toute l’énergie que vous mettez à atteindre vos buts.</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>This shows all your needs and the steps you take to see them fulfilled. Take care, though, that you do not lose yourself in fantasies along the way.</source>
        <translation>Jupiter montre tous vos besoins et les démarches que vous entreprenez pour les voir comblés. Prenez garde toutefois à ne pas vous perdre en chemin dans des chimères.</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturne</translation>
    </message>
    <message>
        <source>This stands for your limitations and restrictions. It reminds you that even when you stand at the very peak of success, your place in the whole of creation remains only a small one.</source>
        <translation>Saturne représente vos limites et vos contraintes. Il vous rappelle que, même tout au sommet de la réussite, votre place dans l’ensemble de la création reste bien modeste.</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>This extends beyond the current universe and makes you aware of what lies past the things you know. Used with creativity, that awareness helps you break away from the old restrictions that hold you.</source>
        <translation>Uranus s’étend au-delà de l’univers présent et vous fait prendre conscience de ce qui dépasse ce que vous connaissez. Mise au service de la créativité, cette prise de conscience vous aide à vous affranchir des anciennes contraintes qui vous retiennent.</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>This is something that you are always searching for to feel complete. You can sense it close by, yet it is never in your hands.</source>
        <translation>Neptune incarne ce que vous cherchez sans relâche pour atteindre la plénitude. Vous le sentez tout proche, et pourtant il ne se laisse jamais saisir.</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluton</translation>
    </message>
    <message>
        <source>This is the ultimate commitment that you can make. It shows the power and reach of your own energies.</source>
        <translation>Pluton représente l’engagement ultime dont vous êtes capable. Il montre la puissance et la portée de vos propres énergies.</translation>
    </message>
    <message>
        <source>Aries</source>
        <extracomment>A sign of the zodiac</extracomment>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>This is not a demanding sign. Picture a single dot among a great many others: it asks for nothing special, and yet it still finds its way to the centre of the pattern. You are content to blend in with the crowd until the right moment comes. You do not spread your effort thin; you work hard only for the one goal that you judge to be the best of all.</source>
        <translation>Le Bélier n’est pas un signe exigeant. Imaginez un point parmi une multitude d’autres&#xa0;: il ne réclame rien de particulier, et pourtant il trouve son chemin jusqu’au centre du motif. Vous vous fondez volontiers dans la foule en attendant le bon moment. Vous ne dispersez pas vos efforts&#xa0;: vous ne travaillez d’arrache-pied que pour un seul objectif, celui que vous jugez le meilleur de tous.</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>This sign is one step forward in achieving your goals. You move towards them steadily, but always along the most comfortable path you can find. For you, life has to be smooth and easy, and you avoid the rough roads whenever you can.</source>
        <translation>Le Taureau marque un pas de plus vers la réalisation de vos objectifs. Vous avancez vers eux avec constance, mais toujours par le chemin le plus confortable que vous puissiez trouver. Pour vous, la vie doit être douce et facile, et vous évitez les routes accidentées chaque fois que vous le pouvez.</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>This sign starts as a line from the centre that soon branches out towards many different alternatives. You keep an open mind and are always ready to look at other ways of solving a problem.</source>
        <translation>Ce signe naît d’une ligne qui part du centre et se ramifie bientôt vers de multiples possibilités. Vous gardez l’esprit ouvert et envisagez toujours volontiers d’autres façons de résoudre un problème.</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>In this sign, the dot patterns signify the wall that you build around yourself for protection. You are sensitive and easily hurt, so you guard your inner world closely. Others often misread these boundaries as coldness, when they are only your way of staying safe.</source>
        <translation>Dans ce signe, les motifs de points figurent le mur que vous bâtissez autour de vous pour vous protéger. Sensible et vulnérable, vous gardez jalousement votre monde intérieur. Les autres prennent souvent ces barrières pour de la froideur, alors qu’elles ne sont que votre façon de vous préserver.</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>You are on always on a quest looking for appreciation and admiration from those around you. You like your life to be well ordered, with yourself as the king at its centre. Even so, you cannot rule alone, and you want the support and the loyalty of others behind you.</source>
        <translation>Vous êtes toujours en quête de l’estime et de l’admiration de votre entourage. Vous aimez une vie bien ordonnée, dont vous occupez le centre, tel un roi. Pourtant, nul ne peut régner seul, et vous tenez à sentir derrière vous le soutien et la loyauté des autres.</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>You are always neat and methodical. The six dots of this sign stand in a tidy, ordered pattern, just as you like things to be. You are meticulous and communicative, with a sharp eye for detail. You are quick to spot errors that others miss, and you are at your best when there is a problem to be solved.</source>
        <translation>Vous avez toujours le goût de l’ordre et de la méthode. Les six points de ce signe forment un motif net et ordonné, exactement comme vous aimez que les choses soient. D’une grande minutie, vous avez le sens de la communication et l’œil pour le détail. Vous repérez vite les erreurs qui échappent aux autres, et vous donnez le meilleur de vous-même face à un problème à résoudre.</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>This is the quest for peace and beauty. You try to keep a balance between the real world and your dreams. When a delicate decision has to be made, you weigh it carefully and then take it with a firm mind. The image of this sign works like a mirror, showing each side the other.</source>
        <translation>La Balance, c’est la quête de la paix et de la beauté. Vous cherchez à garder l’équilibre entre la réalité et vos rêves. Face à une décision délicate, vous pesez soigneusement le pour et le contre, puis vous tranchez avec fermeté. L’image de ce signe agit comme un miroir&#xa0;: chaque côté y voit l’autre.</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>You appreciate power and status. You hold your beliefs with real passion and keep your secrets well hidden, like the eight corners of a closed cube.</source>
        <translation>Vous appréciez le pouvoir et le prestige. Vous défendez vos convictions avec une vraie passion et gardez vos secrets bien cachés, comme les huit coins d’un cube fermé.</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>This sign stands for freedom of expression. You like to help others where you can, and you are harsh only when it is for their own good.</source>
        <translation>Ce signe est celui de la liberté d’expression. Vous aimez aider les autres quand vous le pouvez, et vous ne faites preuve de dureté que pour leur bien.</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>This is the quest for control and firmness. You are sensible, practical and firmly down to earth, and you believe that there is a place for everything and that everything belongs in its place.</source>
        <translation>C’est la quête de la maîtrise et de la fermeté. Raisonnable et pragmatique, vous avez les pieds bien sur terre, et pour vous, il y a une place pour chaque chose, et chaque chose doit être à sa place.</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>You will be an outcast. You do not follow the rules that the system lays down; instead you stand aside from it and think about the world around you in a calm and objective way.</source>
        <translation>Vous vivrez en marge. Vous ne suivez pas les règles que dicte le système&#x202f;; vous vous tenez plutôt à l’écart et portez sur le monde qui vous entoure un regard calme et objectif.</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <source>This sign prefers to be in the background. Yet it knows that many small drops together make an ocean.</source>
        <translation>Ce signe préfère rester dans l’ombre. Il sait pourtant que bien des petites gouttes réunies finissent par former un océan.</translation>
    </message>
    <message>
        <source>1st House - The House of Identity</source>
        <extracomment>A house of the natal chart: its number, then its traditional name</extracomment>
        <translation>1re maison – La maison de l’identité</translation>
    </message>
    <message>
        <source>Much can be determined about someones personality from this house. It deals with the self and with your individuality, with your appearance and with the image that you project to the world. The sign rising on the eastern horizon at the moment of your birth, the ascendant, marks the start of this house. Because everything else in the chart grows out of it, many astrologers call it the most vital house of all. It describes your looks and the shape of your body, your general health and vitality, and the way you first meet new people. It also speaks of your early years and of the temperament you showed as a child.</source>
        <translation>Cette maison en dit long sur la personnalité de chacun. Elle traite du moi et de votre individualité, de votre apparence et de l’image que vous donnez de vous. L’Ascendant, le signe qui se levait à l’est, sur l’horizon, à l’instant de votre naissance, marque le début de cette maison. Comme tout le reste du thème en découle, de nombreux astrologues la tiennent pour la plus importante de toutes. Elle décrit votre physique et votre silhouette, votre santé et votre vitalité, ainsi que votre façon d’aborder les gens lors d’une première rencontre. Elle parle aussi de vos premières années et du tempérament que vous montriez enfant.</translation>
    </message>
    <message>
        <source>2nd House - The House of Finances</source>
        <translation>2e maison – La maison des finances</translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of material possessions and wealth. It shows how you earn, save and spend, and how well you handle the resources that come into your hands. Gains and losses of money, property and valuables are read from here, as is the sense of safety and security that they give you. Beyond money, it reveals what you truly value in life and how much you value yourself, so your self-esteem is tied closely to this house. The things you own often reflect the things you believe you deserve. In matters of the body, this house is linked with the eyesight, especially the right eye, and with the throat, the neck and the voice.</source>
        <translation>Cette maison est traditionnellement appelée la maison des biens matériels et de la richesse. Elle montre comment vous gagnez, épargnez et dépensez, et avec quelle habileté vous gérez les ressources qui vous parviennent. On y lit les gains et les pertes d’argent, de biens et d’objets de valeur, ainsi que le sentiment de sécurité qu’ils vous procurent. Au-delà de l’argent, elle révèle ce qui compte vraiment pour vous et la valeur que vous vous accordez&#xa0;: votre estime de soi est donc étroitement liée à cette maison. Ce que vous possédez reflète souvent ce que vous pensez mériter. Sur le plan physique, elle est associée à la vue, surtout à l’œil droit, ainsi qu’à la gorge, au cou et à la voix.</translation>
    </message>
    <message>
        <source>3rd House - The House of Communication</source>
        <translation>3e maison – La maison de la communication</translation>
    </message>
    <message>
        <source>This house corresponds to your power of communication. It shows how well you speak and write, how you put your thoughts into words, and how readily others understand you. It also reveals your basic attitude to life: whether you meet each day with courage or caution, and how willing you are to take risks. Your brothers and sisters, your cousins and your neighbours are found here, together with the bonds you share with them. Short trips, daily travel and errands belong to this house as well. Finally, it describes your intellect, your curiosity and your quickness of mind, and the way you learn new things.</source>
        <translation>Cette maison correspond à votre faculté de communiquer. Elle montre votre aisance à l’oral comme à l’écrit, votre façon de mettre vos pensées en mots et la facilité avec laquelle on vous comprend. Elle révèle aussi votre attitude profonde face à la vie&#xa0;: si vous abordez chaque journée avec courage ou avec prudence, et jusqu’où vous acceptez de prendre des risques. Vos frères et sœurs, vos cousins et vos voisins s’y trouvent, ainsi que les liens qui vous unissent à eux. Les petits déplacements, les trajets quotidiens et les courses relèvent aussi de cette maison. Enfin, elle décrit votre intellect, votre curiosité et votre vivacité d’esprit, ainsi que votre manière d’apprendre.</translation>
    </message>
    <message>
        <source>4th House - The House of Family</source>
        <translation>4e maison – La maison de la famille</translation>
    </message>
    <message>
        <source>This house is also known as Matristhan in Vedic astrology, the place of the mother. It describes your mother and every mother-like figure who has cared for you, and the love and comfort they gave. It is the root of your emotional security, the calm place inside you where you feel safe. Your need for privacy, your home, your land and the house you live in are all read here. It shows the bonds that tie you to your family, the traditions you carry and the heritage passed down to you by your ancestors. Because it rules both beginnings and endings, this house speaks of your childhood as well as of your old age, and of the kind of peace you will find at the close of life.</source>
        <translation>En astrologie védique, cette maison porte aussi le nom de Matristhan, le lieu de la mère. Elle décrit votre mère et toutes les figures maternelles qui ont pris soin de vous, ainsi que l’amour et le réconfort qu’elles vous ont donnés. Elle est la racine de votre sécurité affective, ce lieu paisible en vous où vous vous sentez à l’abri. Votre besoin d’intimité, votre foyer, vos terres et le toit sous lequel vous vivez se lisent tous ici. Elle montre les liens qui vous attachent à votre famille, les traditions que vous perpétuez et l’héritage que vous ont transmis vos ancêtres. Parce qu’elle préside aux commencements comme aux fins, cette maison parle de votre enfance et de votre vieillesse, et de la paix que vous trouverez au soir de votre vie.</translation>
    </message>
    <message>
        <source>5th House - The House of Pleasures</source>
        <translation>5e maison – La maison des plaisirs</translation>
    </message>
    <message>
        <source>This house signifies the place of love affairs, romance and the joy of courtship. It shows how you fall in love, what charms you in another person, and how you express your affection. It is also the house of the intellect, and it tells of your education, your studies and your talent for learning. Creativity lives here: art, music, writing, drama and every other way in which you express who you are. Games, hobbies and the simple pleasures of life that bring you delight are read from this house too. Above all, it speaks of children, of your bond with them and of the joy they bring into your life, and of the legacy you leave through them.</source>
        <translation>Cette maison est celle des amours, de la romance et des joies de la séduction. Elle montre comment vous vous éprenez de quelqu’un, ce qui vous charme chez l’autre et comment vous exprimez votre affection. C’est aussi la maison de l’intellect&#xa0;: elle parle de votre éducation, de vos études et de votre facilité à apprendre. La créativité y a sa place&#xa0;: l’art, la musique, l’écriture, le théâtre et toutes les autres façons d’exprimer qui vous êtes. Les jeux, les loisirs et les plaisirs simples de la vie qui vous enchantent se lisent aussi dans cette maison. Par-dessus tout, elle parle des enfants, du lien qui vous unit à eux, de la joie qu’ils apportent dans votre vie et de l’héritage que vous laissez à travers eux.</translation>
    </message>
    <message>
        <source>6th House - The House of Health</source>
        <translation>6e maison – La maison de la santé</translation>
    </message>
    <message>
        <source>This house indicates the skills we possess and the kind of work we are best suited for. It shows your daily routine, your sense of duty and the service you willingly give to others. Your colleagues, your employees and the atmosphere at your place of work are seen here. It is also the house of enemies and rivals, and of the obstacles that stand in your way, as well as your strength to overcome them. Disputes, debts and legal matters, including court cases, fall under this house. Most of all, it is linked with health: it reveals your tendency to illness, the way your body copes with stress and worry, and the habits that can keep you fit and well.</source>
        <translation>Cette maison indique vos compétences et le type de travail qui vous convient le mieux. Elle montre votre quotidien, votre sens du devoir et les services que vous rendez volontiers aux autres. Vos collègues, vos employés et l’ambiance de votre lieu de travail s’y observent. C’est aussi la maison des ennemis et des rivaux, des obstacles qui se dressent sur votre chemin et de la force qui vous permet de les surmonter. Les litiges, les dettes et les affaires juridiques, procès compris, relèvent de cette maison. Elle est surtout liée à la santé&#xa0;: elle révèle vos prédispositions aux maladies, la façon dont votre corps réagit au stress et aux soucis, et les habitudes qui vous gardent en forme.</translation>
    </message>
    <message>
        <source>7th House - The House of Partnerships</source>
        <translation>7e maison – La maison des unions</translation>
    </message>
    <message>
        <source>This house is commonly believed to define our closest partnerships. It is above all the house of marriage, and it describes the spouse you are drawn to, the nature of your married life and the balance between the two of you. Beyond love, it rules business partnerships and agreements of every kind, so contracts, deals and joint ventures are judged from here. It shows how you cooperate, how you share responsibility and how you handle open conflict with a partner. It also covers your relations with your peers and with the public at large, and how others see you when you stand beside them as an equal.</source>
        <translation>On considère généralement que cette maison définit les liens les plus étroits que vous nouez avec autrui. C’est avant tout la maison du mariage&#xa0;: elle décrit le type de conjoint qui vous attire, la nature de votre vie conjugale et l’équilibre au sein de votre couple. Au-delà de l’amour, elle gouverne les associations professionnelles et les accords de toute sorte&#xa0;: c’est donc ici que l’on juge les contrats, les transactions et les projets communs. Elle montre comment vous coopérez, comment vous partagez les responsabilités et comment vous gérez les conflits ouverts avec un partenaire. Elle concerne aussi vos relations avec vos pairs et avec le public, et la façon dont les autres vous voient lorsque vous vous tenez à leurs côtés, d’égal à égal.</translation>
    </message>
    <message>
        <source>8th House - The House of Spirituality</source>
        <translation>8e maison – La maison de la spiritualité</translation>
    </message>
    <message>
        <source>This house corresponds to the sexual nature of a person and to the deep bonds of intimacy. It is read for longevity, for the length of life, and for the dangers, accidents and sudden events you may face. It rules the transformations that change your life for good, the crises you pass through and the endings that clear the way for new beginnings. Secrets, hidden matters, research and the occult are found here as well. This house also governs inheritance, legacies and money shared with others, as well as unconventional income such as insurance, taxes, royalties or unexpected gains.</source>
        <translation>Cette maison correspond à la nature sexuelle d’une personne et aux liens profonds de l’intimité. On la consulte sur la longévité, la durée de la vie, ainsi que sur les dangers, les accidents et les événements soudains que vous pourriez affronter. Elle régit les transformations qui changent votre vie à jamais, les crises que vous traversez et les fins qui ouvrent la voie à de nouveaux départs. Les secrets, les choses cachées, la recherche et l’occulte y ont aussi leur place. Cette maison gouverne en outre les héritages, les legs et l’argent partagé avec d’autres, ainsi que les revenus atypiques&#xa0;: assurances, impôts, droits d’auteur ou gains inattendus.</translation>
    </message>
    <message>
        <source>9th House - The House of Travel</source>
        <translation>9e maison – La maison des voyages</translation>
    </message>
    <message>
        <source>This house of your natal chart defines the values and principles by which you live. It is the house of philosophy and religion, of faith and of the search for a deeper meaning. It is also known as the house of luck and fortune, showing the blessings that come to you. Higher education, deep learning and the fame or honour that learning can bring are read here. It points to your intuition, your conscience and your sense of what is right. Long journeys, travel to foreign lands and contact with other cultures also belong to this house, opening your mind to a wider world.</source>
        <translation>Cette maison de votre thème natal définit les valeurs et les principes qui guident votre vie. C’est la maison de la philosophie et de la religion, de la foi et de la quête d’un sens plus profond. On l’appelle aussi la maison de la chance et de la fortune, car elle montre les bienfaits qui vous sont accordés. Les études supérieures, le savoir approfondi et la renommée ou les honneurs que ce savoir peut apporter s’y lisent. Elle renvoie à votre intuition, à votre conscience et à votre sens du bien. Les longs voyages, les séjours à l’étranger et la rencontre d’autres cultures relèvent aussi de cette maison, qui ouvre votre esprit à un monde plus vaste.</translation>
    </message>
    <message>
        <source>10th House - The House of Career</source>
        <translation>10e maison – La maison de la carrière</translation>
    </message>
    <message>
        <source>This house of tells about your career and profession and about the work you do in the world. It shows your ambitions, your achievements and the public standing you gain through them, and how far you are likely to rise. It describes your relationships at every level, with superiors, with colleagues and with those who depend on you for guidance. This house is also linked with your father and with the lessons and example he gave you. Finally, it rules authority, status, honour and reputation, and the respect you earn through your own hard efforts and deeds.</source>
        <translation>Cette maison parle de votre carrière, de votre profession et du travail que vous accomplissez dans le monde. Elle montre vos ambitions, vos réussites et la position sociale qu’elles vous valent, ainsi que jusqu’où vous pourriez vous élever. Elle décrit vos relations à tous les niveaux&#xa0;: avec vos supérieurs, avec vos collègues et avec ceux qui comptent sur vous pour les guider. Cette maison est aussi liée à votre père, aux leçons et à l’exemple qu’il vous a donnés. Enfin, elle régit l’autorité, le statut, les honneurs et la réputation, ainsi que le respect que vous valent vos efforts et vos actes.</translation>
    </message>
    <message>
        <source>11th House - The House of Hopes</source>
        <translation>11e maison – La maison des espérances</translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of income and of the rewards that your efforts bring. It shows your monetary gains from every source, from your work, your business and your investments, and how your dearest wishes come true. It is the house of sociability and friendship, revealing the friends you make, the clubs, groups and circles you join and the support you find among them. Your hopes for the future and your ideals for a better world are read here, along with your humanitarian causes and your political interests. This house also speaks of step-children and of elder brothers and sisters.</source>
        <translation>Cette maison est traditionnellement appelée la maison des revenus et des récompenses que vous valent vos efforts. Elle montre vos gains financiers de toute origine, qu’ils viennent de votre travail, de vos affaires ou de vos placements, et la façon dont vos vœux les plus chers se réalisent. C’est la maison de la sociabilité et de l’amitié&#xa0;: elle révèle les amis que vous vous faites, les clubs, groupes et cercles que vous rejoignez et le soutien que vous y trouvez. Vos espoirs pour l’avenir et vos idéaux d’un monde meilleur s’y lisent, tout comme les causes humanitaires qui vous tiennent à cœur et vos engagements politiques. Cette maison parle aussi des beaux-enfants ainsi que des frères et sœurs aînés.</translation>
    </message>
    <message>
        <source>12th House - The House of Shortcomings</source>
        <translation>12e maison – La maison des faiblesses</translation>
    </message>
    <message>
        <source>In Indian Astrology, this house is known as the house of expenses and of losses. It reveals your hidden persona, the part of you that you keep away from the eyes of the world. Your karma from past lives, your dreams, your sleep and your visions are read here. It is the house of charity and of selfless giving, but also of sorrows, isolation, secret enemies and the limitations that hold you back. Hospitals, prisons, monasteries and far places of retreat belong to it. Finally, it points to the after-life and to the final release of the soul.</source>
        <translation>En astrologie indienne, cette maison est celle des dépenses et des pertes. Elle révèle votre personnalité cachée, cette part de vous que vous dérobez aux regards du monde. Votre karma issu des vies antérieures, vos rêves, votre sommeil et vos visions s’y lisent. C’est la maison de la charité et du don de soi, mais aussi des chagrins, de l’isolement, des ennemis cachés et des limites qui vous entravent. Les hôpitaux, les prisons, les monastères et les lieux de retraite lointains relèvent d’elle. Enfin, elle renvoie à l’au-delà et à la libération ultime de l’âme.</translation>
    </message>
</context>
<context>
    <name>Zentrova::Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà lancée.</translation>
    </message>
</context>
<context>
    <name>Zentrova::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Une nouvelle version de ce logiciel est peut-être disponible.
Voulez-vous rechercher une mise à jour&#x202f;?</translation>
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
