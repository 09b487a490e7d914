<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Zentrova::AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zentrova shows you how the different dice patterns relate to the twelve signs of the zodiac, planets and houses.</source>
        <translation>O Zentrova mostra como as diferentes combinações dos dados se relacionam com os doze signos do zodíaco, os planetas e as casas.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <extracomment>Opens the page about a fully branded copy</extracomment>
        <translation>Clique aqui e saiba mais</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa: crie seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este software 100% com a marca do seu site.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the web site address (a link)</extracomment>
        <translation>Clique aqui e visite %1</translation>
    </message>
</context>
<context>
    <name>Zentrova::FarewellWindow</name>
    <message>
        <source>Quorvane Softwares, such as this can be created and maintained only with your support. The best way to support Quorvane is to visit Quorvane regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas Quorvane como este só podem ser criados e mantidos com o seu apoio. A melhor maneira de apoiar o Quorvane é visitá-lo regularmente e participar das discussões e das outras atividades do fórum.</translation>
    </message>
    <message>
        <source>Visit Quorvane regularly. Support Quorvane by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quorvane</source>
        <translation>Visite o Quorvane regularmente. Apoie o Quorvane participando das discussões e das outras atividades. Sem as suas visitas regulares ao Quorvane, não há como dar suporte a estes programas nem mantê-los.</translation>
    </message>
    <message>
        <source>Quorvane is a FREE online discussion forum for all things mystic. To help Quorvane develop and maintain this software visit Quorvane regularly.</source>
        <translation>O Quorvane é um fórum de discussão on-line GRATUITO dedicado a tudo o que é místico. Para ajudar o Quorvane a desenvolver e manter este software, visite-o regularmente.</translation>
    </message>
    <message>
        <source>Quorvane needs your help. All you need to do is visit Quorvane regularly and take part in the various discussions and activites to help us maintain and develop more Quorvane Softwares.</source>
        <translation>O Quorvane precisa da sua ajuda. Basta visitar o Quorvane regularmente e participar das várias discussões e atividades para nos ajudar a manter e a desenvolver mais programas Quorvane.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quorvane Softwares. From a single software, we have now grown to become the world’s largest resource of quorvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Se você gostou deste software, certamente vai se interessar pelos outros programas Quorvane. Começamos com um único programa e hoje somos a maior fonte de programas Quorvane do mundo. Astrologia, vidência, tarô, numerologia ou ocultismo: temos programas em todas as áreas, o que dá aos nossos usuários uma ampla escolha conforme os interesses de cada um.</translation>
    </message>
    <message>
        <source>All the programs in the Quorvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Todos os programas da linha Quorvane são simples e fáceis de usar. Além de divertidos, são muito informativos. Experimente-os hoje mesmo e compartilhe a experiência com amigos e familiares. </translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>Shown in the empty box for the user&apos;s own name</extracomment>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <extracomment>Shown in the empty box for the user&apos;s own e-mail address</extracomment>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Shown in the empty box for the message to the friend</extracomment>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <extracomment>Shown in the empty box for the friend&apos;s name</extracomment>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <extracomment>Shown in the empty box for the friend&apos;s e-mail address</extracomment>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Por favor, digite seu nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Por favor, digite seu e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Por favor, digite sua mensagem.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Por favor, digite o nome do seu amigo.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Por favor, digite o e-mail do seu amigo.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Por favor, digite dois endereços de e-mail diferentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Por favor, digite um endereço de e-mail válido.</translation>
    </message>
    <message>
        <source>Please Shorten Your Message</source>
        <translation>Por favor, escreva uma mensagem mais curta.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Closes the window and ends the program</extracomment>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the web site host name (a check box that opens the site)</extracomment>
        <translation>Clique aqui e visite %1 agora</translation>
    </message>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Baixe os programas Quorvane</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Clique e visite os programas Quorvane</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique a um amigo</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>Accessible name of the box for the user&apos;s own name</extracomment>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Opens the referral page in the web browser</extracomment>
        <translation>Indique a um amigo &amp;agora</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <extracomment>Accessible name of the box for the user&apos;s own address</extracomment>
        <translation>Seu endereço de e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <extracomment>Accessible name of the box for the friend&apos;s address</extracomment>
        <translation>Endereço de e-mail do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <extracomment>Accessible name of the box for the friend&apos;s name</extracomment>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Accessible name of the box for the message to the friend</extracomment>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O endereço de e-mail não pode conter espaços.</translation>
    </message>
</context>
<context>
    <name>Zentrova::MainWindow</name>
    <message>
        <source>Opens a web page</source>
        <translation>Abre uma página da web</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now.</source>
        <extracomment>%1 is the web site host name, e.g. www.example.org (a link text)</extracomment>
        <translation>O fórum on-line de discussões místicas mais popular. Clique aqui e visite %1 agora.</translation>
    </message>
    <message>
        <source>Zentrova shows you how the different dice patterns relate to the twelve signs of the zodiac, planets and houses. Click here to get your reading now!</source>
        <translation>O Zentrova mostra como as diferentes combinações dos dados se relacionam com os doze signos do zodíaco, os planetas e as casas. Clique aqui e faça já a sua leitura!</translation>
    </message>
    <message>
        <source>Click on the Dice for An Zentrova Reading</source>
        <translation>Clique nos dados para uma leitura Zentrova</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Casts a planet reading</source>
        <translation>Lança os dados para uma leitura de planeta</translation>
    </message>
    <message>
        <source>Zodiac</source>
        <translation>Signo</translation>
    </message>
    <message>
        <source>Casts a zodiac sign reading</source>
        <translation>Lança os dados para uma leitura de signo</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Casts a house reading</source>
        <translation>Lança os dados para uma leitura de casa</translation>
    </message>
    <message>
        <source>Comprehensive</source>
        <translation>Completa</translation>
    </message>
    <message>
        <source>Casts a comprehensive reading</source>
        <translation>Lança os dados para uma leitura completa</translation>
    </message>
    <message>
        <source>Planet die</source>
        <translation>Dado dos planetas</translation>
    </message>
    <message>
        <source>Zodiac die</source>
        <translation>Dado dos signos</translation>
    </message>
    <message>
        <source>House die</source>
        <translation>Dado das casas</translation>
    </message>
    <message>
        <source>Comprehensive reading, planet die</source>
        <translation>Leitura completa, dado dos planetas</translation>
    </message>
    <message>
        <source>Comprehensive reading, zodiac die</source>
        <translation>Leitura completa, dado dos signos</translation>
    </message>
    <message>
        <source>Comprehensive reading, house die</source>
        <translation>Leitura completa, dado das casas</translation>
    </message>
    <message>
        <source>Reading pages</source>
        <translation>Páginas da leitura</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>Planetas</translation>
    </message>
    <message>
        <source>Zodiac Sign</source>
        <translation>Signo</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Casas</translation>
    </message>
    <message>
        <source>Planet Name</source>
        <translation>Nome do planeta</translation>
    </message>
    <message>
        <source>The planet&apos;s significance for you.</source>
        <translation>O que o planeta significa para você.</translation>
    </message>
    <message>
        <source>Zodiac Sign Name</source>
        <translation>Nome do signo</translation>
    </message>
    <message>
        <source>The zodiac sign&apos;s significance for you.</source>
        <translation>O que o signo significa para você.</translation>
    </message>
    <message>
        <source>Houses Name</source>
        <translation>Nome da casa</translation>
    </message>
    <message>
        <source>The house&apos;s significance for you.</source>
        <translation>O que a casa significa para você.</translation>
    </message>
    <message>
        <source>&amp;Cast Zentrova Again</source>
        <translation>&amp;Lançar os dados de novo</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Personalize este software com a marca do seu site. Aumente a fidelidade dos visitantes e o tráfego do site. Coloque aqui o nome e o link do seu site. Veja os detalhes na “Ajuda”. Clique aqui e saiba mais sobre co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa: crie seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este software 100% com a marca do seu site. Clique aqui e saiba mais.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ajuda on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar at&amp;ualizações do software</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
</context>
<context>
    <name>Zentrova::ReadingPage</name>
    <message>
        <source>Planet die, first half</source>
        <translation>Dado dos planetas, primeira metade</translation>
    </message>
    <message>
        <source>Planet die, second half</source>
        <translation>Dado dos planetas, segunda metade</translation>
    </message>
    <message>
        <source>Planet picture</source>
        <translation>Imagem do planeta</translation>
    </message>
    <message>
        <source>Zodiac sign die, first half</source>
        <translation>Dado dos signos, primeira metade</translation>
    </message>
    <message>
        <source>Zodiac sign die, second half</source>
        <translation>Dado dos signos, segunda metade</translation>
    </message>
    <message>
        <source>Zodiac sign picture</source>
        <translation>Imagem do signo</translation>
    </message>
    <message>
        <source>House die, first half</source>
        <translation>Dado das casas, primeira metade</translation>
    </message>
    <message>
        <source>House die, second half</source>
        <translation>Dado das casas, segunda metade</translation>
    </message>
</context>
<context>
    <name>Zentrova::ReadingTables</name>
    <message>
        <source>Sun</source>
        <extracomment>A planet of astrology</extracomment>
        <translation>Sol</translation>
    </message>
    <message>
        <source>This is the prime source of energy. It sits at the centre of all you do and feeds every part of your chart. It marks your own quest in life, the inner search that leads you towards knowing yourself and towards wisdom.</source>
        <translation>É a fonte primordial de energia. Está no centro de tudo o que você faz e alimenta cada parte do seu mapa astral. Marca a sua própria busca na vida, a jornada interior rumo ao autoconhecimento e à sabedoria.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>This is is the closest to the Earth and it mirrors the quest of the Sun in the way your personality shows itself. It tells how you draw energy from the people and places around you, and how you turn that energy into growth and into the emotional nourishment you need.</source>
        <translation>É o astro mais próximo da Terra e reflete a busca do Sol no modo como a sua personalidade se manifesta. Mostra como você absorve a energia das pessoas e dos lugares à sua volta e como a transforma em crescimento e no alimento emocional de que precisa.</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>This shows your perspective to the happenings in the world around you. The way you read those events also gives you the answers that guide and explain your own actions.</source>
        <translation>Mostra como você enxerga os acontecimentos do mundo à sua volta. A maneira como você interpreta esses fatos também lhe dá as respostas que orientam e explicam as suas próprias ações.</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vênus</translation>
    </message>
    <message>
        <source>This shows how you hold onto things that bring you personal satisfaction. It speaks of your wishes and desires, of what you long for, and of how freely you are able to voice them to others.</source>
        <translation>Mostra como você se apega ao que lhe traz satisfação pessoal. Fala dos seus desejos e vontades, daquilo que você almeja e da liberdade com que consegue expressá-los aos outros.</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>This is you personal special initiative for achieving your aims. It shows the drive and the full effort you put into reaching your goals.</source>
        <translation>Representa a iniciativa que é só sua, o impulso para conquistar o que deseja. Mostra a garra e todo o empenho que você coloca para alcançar as suas metas.</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>This shows all your needs and the steps you take to see them fulfilled. Take care, though, that you do not lose yourself in fantasies along the way.</source>
        <translation>Mostra todas as suas necessidades e os passos que você dá para vê-las atendidas. Mas cuidado para não se perder em fantasias pelo caminho.</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>This stands for your limitations and restrictions. It reminds you that even when you stand at the very peak of success, your place in the whole of creation remains only a small one.</source>
        <translation>Representa as suas limitações e restrições. Lembra que, mesmo quando você está no auge do sucesso, o seu lugar no conjunto da criação continua sendo pequeno.</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>This extends beyond the current universe and makes you aware of what lies past the things you know. Used with creativity, that awareness helps you break away from the old restrictions that hold you.</source>
        <translation>Ultrapassa o universo atual e faz você perceber o que existe além daquilo que conhece. Usada com criatividade, essa percepção ajuda a romper com as velhas restrições que prendem você.</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Netuno</translation>
    </message>
    <message>
        <source>This is something that you are always searching for to feel complete. You can sense it close by, yet it is never in your hands.</source>
        <translation>É aquilo que você vive buscando para se completar. Você o sente por perto, mas nunca o tem nas mãos.</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutão</translation>
    </message>
    <message>
        <source>This is the ultimate commitment that you can make. It shows the power and reach of your own energies.</source>
        <translation>É o compromisso máximo que você pode assumir. Mostra a força e o alcance das suas próprias energias.</translation>
    </message>
    <message>
        <source>Aries</source>
        <extracomment>A sign of the zodiac</extracomment>
        <translation>Áries</translation>
    </message>
    <message>
        <source>This is not a demanding sign. Picture a single dot among a great many others: it asks for nothing special, and yet it still finds its way to the centre of the pattern. You are content to blend in with the crowd until the right moment comes. You do not spread your effort thin; you work hard only for the one goal that you judge to be the best of all.</source>
        <translation>Este não é um signo exigente. Imagine um único ponto no meio de muitos outros: ele não pede nada de especial e, mesmo assim, chega ao centro da figura. Você se contenta em se misturar à multidão até chegar a hora certa. Não dispersa esforços; só se empenha a fundo pela meta que considera a melhor de todas.</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>This sign is one step forward in achieving your goals. You move towards them steadily, but always along the most comfortable path you can find. For you, life has to be smooth and easy, and you avoid the rough roads whenever you can.</source>
        <translation>Este signo é um passo à frente rumo aos seus objetivos. Você avança com constância, mas sempre pelo caminho mais confortável que consegue encontrar. Para você, a vida tem de ser tranquila e fácil, e sempre que pode você evita as estradas pedregosas.</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>This sign starts as a line from the centre that soon branches out towards many different alternatives. You keep an open mind and are always ready to look at other ways of solving a problem.</source>
        <translation>Este signo começa como uma linha que sai do centro e logo se ramifica em muitas alternativas diferentes. Você tem a mente aberta e sempre se dispõe a considerar outras formas de resolver um problema.</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>In this sign, the dot patterns signify the wall that you build around yourself for protection. You are sensitive and easily hurt, so you guard your inner world closely. Others often misread these boundaries as coldness, when they are only your way of staying safe.</source>
        <translation>Neste signo, os desenhos formados pelos pontos representam o muro que você ergue ao seu redor para se proteger. Você é sensível e se magoa com facilidade, por isso guarda com cuidado o seu mundo interior. Muitas vezes os outros confundem esses limites com frieza, quando são apenas o seu jeito de ficar em segurança.</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>You are on always on a quest looking for appreciation and admiration from those around you. You like your life to be well ordered, with yourself as the king at its centre. Even so, you cannot rule alone, and you want the support and the loyalty of others behind you.</source>
        <translation>Você vive em busca do apreço e da admiração das pessoas à sua volta. Gosta de uma vida bem organizada, em que você ocupa o centro, como um rei. Ainda assim, não consegue reinar sozinho e quer contar com o apoio e a lealdade dos outros.</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>You are always neat and methodical. The six dots of this sign stand in a tidy, ordered pattern, just as you like things to be. You are meticulous and communicative, with a sharp eye for detail. You are quick to spot errors that others miss, and you are at your best when there is a problem to be solved.</source>
        <translation>Você é sempre organizado e metódico. Os seis pontos deste signo formam um desenho limpo e ordenado, do jeito que você gosta. Você é meticuloso e comunicativo e tem olho clínico para os detalhes. Percebe logo os erros que passam despercebidos aos outros e dá o melhor de si quando há um problema para resolver.</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>This is the quest for peace and beauty. You try to keep a balance between the real world and your dreams. When a delicate decision has to be made, you weigh it carefully and then take it with a firm mind. The image of this sign works like a mirror, showing each side the other.</source>
        <translation>É a busca pela paz e pela beleza. Você procura manter o equilíbrio entre o mundo real e os seus sonhos. Diante de uma decisão delicada, pesa tudo com cuidado e depois decide com firmeza. A imagem deste signo funciona como um espelho, em que cada lado enxerga o outro.</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>You appreciate power and status. You hold your beliefs with real passion and keep your secrets well hidden, like the eight corners of a closed cube.</source>
        <translation>Você valoriza o poder e o status. Defende as suas convicções com verdadeira paixão e guarda os seus segredos bem escondidos, como os oito vértices de um cubo fechado.</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>This sign stands for freedom of expression. You like to help others where you can, and you are harsh only when it is for their own good.</source>
        <translation>Este signo representa a liberdade de expressão. Você gosta de ajudar os outros sempre que pode e só endurece quando é para o bem deles.</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>This is the quest for control and firmness. You are sensible, practical and firmly down to earth, and you believe that there is a place for everything and that everything belongs in its place.</source>
        <translation>É a busca por controle e firmeza. Você é sensato, prático e tem os pés bem fincados no chão, e acredita que há um lugar para cada coisa e que cada coisa deve estar no seu lugar.</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>You will be an outcast. You do not follow the rules that the system lays down; instead you stand aside from it and think about the world around you in a calm and objective way.</source>
        <translation>Você viverá à margem. Não segue as regras que o sistema impõe; prefere ficar de lado e pensar no mundo à sua volta com calma e objetividade.</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
    <message>
        <source>This sign prefers to be in the background. Yet it knows that many small drops together make an ocean.</source>
        <translation>Este signo prefere ficar nos bastidores. Mesmo assim, sabe que muitas pequenas gotas, juntas, formam um oceano.</translation>
    </message>
    <message>
        <source>1st House - The House of Identity</source>
        <extracomment>A house of the natal chart: its number, then its traditional name</extracomment>
        <translation>Casa 1 – A casa da identidade</translation>
    </message>
    <message>
        <source>Much can be determined about someones personality from this house. It deals with the self and with your individuality, with your appearance and with the image that you project to the world. The sign rising on the eastern horizon at the moment of your birth, the ascendant, marks the start of this house. Because everything else in the chart grows out of it, many astrologers call it the most vital house of all. It describes your looks and the shape of your body, your general health and vitality, and the way you first meet new people. It also speaks of your early years and of the temperament you showed as a child.</source>
        <translation>Esta casa revela muito sobre a personalidade de alguém. Ela trata do eu e da individualidade, da aparência e da imagem que você projeta para o mundo. O signo que despontava no horizonte leste na hora em que você nasceu, o ascendente, marca o início desta casa. Como todo o restante do mapa astral parte dela, muitos astrólogos a consideram a casa mais importante de todas. Ela descreve os traços físicos e a forma do corpo, a saúde e a vitalidade em geral e o jeito como você se mostra no primeiro contato com alguém. Fala também dos primeiros anos de vida e do temperamento que você tinha na infância.</translation>
    </message>
    <message>
        <source>2nd House - The House of Finances</source>
        <translation>Casa 2 – A casa das finanças</translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of material possessions and wealth. It shows how you earn, save and spend, and how well you handle the resources that come into your hands. Gains and losses of money, property and valuables are read from here, as is the sense of safety and security that they give you. Beyond money, it reveals what you truly value in life and how much you value yourself, so your self-esteem is tied closely to this house. The things you own often reflect the things you believe you deserve. In matters of the body, this house is linked with the eyesight, especially the right eye, and with the throat, the neck and the voice.</source>
        <translation>Esta casa é tradicionalmente conhecida como a casa dos bens materiais e da riqueza. Mostra como você ganha, poupa e gasta dinheiro e com que habilidade administra os recursos que chegam às suas mãos. Nela se leem os ganhos e as perdas de dinheiro, imóveis e objetos de valor, assim como a sensação de proteção e segurança que eles trazem. Além do dinheiro, ela revela o que você realmente valoriza na vida e quanto você se valoriza; por isso, a autoestima está intimamente ligada a esta casa. Muitas vezes, aquilo que você possui reflete aquilo que acredita merecer. No corpo, esta casa está associada à visão, sobretudo ao olho direito, e também à garganta, ao pescoço e à voz.</translation>
    </message>
    <message>
        <source>3rd House - The House of Communication</source>
        <translation>Casa 3 – A casa da comunicação</translation>
    </message>
    <message>
        <source>This house corresponds to your power of communication. It shows how well you speak and write, how you put your thoughts into words, and how readily others understand you. It also reveals your basic attitude to life: whether you meet each day with courage or caution, and how willing you are to take risks. Your brothers and sisters, your cousins and your neighbours are found here, together with the bonds you share with them. Short trips, daily travel and errands belong to this house as well. Finally, it describes your intellect, your curiosity and your quickness of mind, and the way you learn new things.</source>
        <translation>Esta casa corresponde à sua capacidade de comunicação. Mostra se você fala e escreve bem, como põe os pensamentos em palavras e com que facilidade os outros entendem você. Revela também a sua atitude básica diante da vida: se você encara cada dia com coragem ou com cautela, e quanto aceita correr riscos. Irmãos e irmãs, primos e vizinhos estão aqui, junto com os laços que unem você a eles. Viagens curtas, deslocamentos do dia a dia e pequenas tarefas também pertencem a esta casa. Por fim, ela descreve o intelecto, a curiosidade e a rapidez de raciocínio, e o jeito como você aprende coisas novas.</translation>
    </message>
    <message>
        <source>4th House - The House of Family</source>
        <translation>Casa 4 – A casa da família</translation>
    </message>
    <message>
        <source>This house is also known as Matristhan in Vedic astrology, the place of the mother. It describes your mother and every mother-like figure who has cared for you, and the love and comfort they gave. It is the root of your emotional security, the calm place inside you where you feel safe. Your need for privacy, your home, your land and the house you live in are all read here. It shows the bonds that tie you to your family, the traditions you carry and the heritage passed down to you by your ancestors. Because it rules both beginnings and endings, this house speaks of your childhood as well as of your old age, and of the kind of peace you will find at the close of life.</source>
        <translation>Na astrologia védica, esta casa também é conhecida como Matristhan, o lugar da mãe. Ela descreve a sua mãe e todas as figuras maternas que cuidaram de você, com o amor e o aconchego que lhe deram. É a raiz da segurança emocional, o recanto tranquilo dentro de você onde se sente a salvo. A necessidade de privacidade, o lar, as terras e o imóvel onde você mora são lidos aqui. Ela mostra os laços que unem você à família, as tradições que você carrega e a herança deixada pelos antepassados. Como rege tanto os começos quanto os fins, esta casa fala da infância e também da velhice, e do tipo de paz que você encontrará no fim da vida.</translation>
    </message>
    <message>
        <source>5th House - The House of Pleasures</source>
        <translation>Casa 5 – A casa dos prazeres</translation>
    </message>
    <message>
        <source>This house signifies the place of love affairs, romance and the joy of courtship. It shows how you fall in love, what charms you in another person, and how you express your affection. It is also the house of the intellect, and it tells of your education, your studies and your talent for learning. Creativity lives here: art, music, writing, drama and every other way in which you express who you are. Games, hobbies and the simple pleasures of life that bring you delight are read from this house too. Above all, it speaks of children, of your bond with them and of the joy they bring into your life, and of the legacy you leave through them.</source>
        <translation>Esta casa representa o território dos casos amorosos, do romance e do encanto da conquista. Mostra como você se apaixona, o que atrai você em outra pessoa e como demonstra afeto. É também a casa do intelecto e fala da educação, dos estudos e do talento para aprender. Aqui mora a criatividade: a arte, a música, a escrita, o teatro e todas as outras formas de expressar quem você é. Jogos, passatempos e os prazeres simples da vida que encantam você também são lidos nesta casa. Acima de tudo, ela fala dos filhos, do vínculo com eles, da alegria que trazem à sua vida e do legado que você deixa por meio deles.</translation>
    </message>
    <message>
        <source>6th House - The House of Health</source>
        <translation>Casa 6 – A casa da saúde</translation>
    </message>
    <message>
        <source>This house indicates the skills we possess and the kind of work we are best suited for. It shows your daily routine, your sense of duty and the service you willingly give to others. Your colleagues, your employees and the atmosphere at your place of work are seen here. It is also the house of enemies and rivals, and of the obstacles that stand in your way, as well as your strength to overcome them. Disputes, debts and legal matters, including court cases, fall under this house. Most of all, it is linked with health: it reveals your tendency to illness, the way your body copes with stress and worry, and the habits that can keep you fit and well.</source>
        <translation>Esta casa indica as habilidades que temos e o tipo de trabalho para o qual somos mais aptos. Mostra a sua rotina diária, o senso de dever e os serviços que você presta de bom grado aos outros. Colegas, funcionários e o ambiente de trabalho aparecem aqui. É também a casa dos inimigos e rivais, dos obstáculos que surgem no caminho e da força que você tem para superá-los. Disputas, dívidas e questões jurídicas, inclusive processos judiciais, estão sob o domínio desta casa. Mas é sobretudo à saúde que ela está ligada: revela a propensão a doenças, a forma como o corpo lida com o estresse e a preocupação, e os hábitos que podem manter você em forma e saudável.</translation>
    </message>
    <message>
        <source>7th House - The House of Partnerships</source>
        <translation>Casa 7 – A casa das parcerias</translation>
    </message>
    <message>
        <source>This house is commonly believed to define our closest partnerships. It is above all the house of marriage, and it describes the spouse you are drawn to, the nature of your married life and the balance between the two of you. Beyond love, it rules business partnerships and agreements of every kind, so contracts, deals and joint ventures are judged from here. It shows how you cooperate, how you share responsibility and how you handle open conflict with a partner. It also covers your relations with your peers and with the public at large, and how others see you when you stand beside them as an equal.</source>
        <translation>Em geral, acredita-se que esta casa define as parcerias mais próximas que temos. Ela é, acima de tudo, a casa do casamento: descreve o tipo de cônjuge que atrai você, a natureza da vida a dois e o equilíbrio entre o casal. Além do amor, rege as sociedades e os acordos de todo tipo; por isso, contratos, negócios e empreendimentos conjuntos são avaliados a partir dela. Mostra como você coopera, como divide responsabilidades e como lida com conflitos abertos com um parceiro. Abrange também as relações com os seus pares e com o público em geral, e a forma como os outros veem você quando se coloca ao lado deles de igual para igual.</translation>
    </message>
    <message>
        <source>8th House - The House of Spirituality</source>
        <translation>Casa 8 – A casa da espiritualidade</translation>
    </message>
    <message>
        <source>This house corresponds to the sexual nature of a person and to the deep bonds of intimacy. It is read for longevity, for the length of life, and for the dangers, accidents and sudden events you may face. It rules the transformations that change your life for good, the crises you pass through and the endings that clear the way for new beginnings. Secrets, hidden matters, research and the occult are found here as well. This house also governs inheritance, legacies and money shared with others, as well as unconventional income such as insurance, taxes, royalties or unexpected gains.</source>
        <translation>Esta casa corresponde à natureza sexual da pessoa e aos laços profundos de intimidade. Nela se avaliam a longevidade e a duração da vida, e também os perigos, acidentes e acontecimentos repentinos que você pode enfrentar. Rege as transformações que mudam a sua vida para sempre, as crises que você atravessa e os fins que abrem caminho para novos começos. Segredos, mistérios, investigações e o ocultismo também se encontram aqui. Esta casa governa ainda heranças, legados e o dinheiro compartilhado com outras pessoas, além de rendas não convencionais, como seguros, impostos, direitos autorais ou ganhos inesperados.</translation>
    </message>
    <message>
        <source>9th House - The House of Travel</source>
        <translation>Casa 9 – A casa das viagens</translation>
    </message>
    <message>
        <source>This house of your natal chart defines the values and principles by which you live. It is the house of philosophy and religion, of faith and of the search for a deeper meaning. It is also known as the house of luck and fortune, showing the blessings that come to you. Higher education, deep learning and the fame or honour that learning can bring are read here. It points to your intuition, your conscience and your sense of what is right. Long journeys, travel to foreign lands and contact with other cultures also belong to this house, opening your mind to a wider world.</source>
        <translation>Esta casa do mapa astral define os valores e princípios que guiam a sua vida. É a casa da filosofia e da religião, da fé e da busca por um sentido mais profundo. Também é conhecida como a casa da sorte e da fortuna, pois mostra as bênçãos que chegam até você. O ensino superior, o conhecimento profundo e a fama ou a honra que o saber pode trazer são lidos aqui. Ela aponta para a intuição, a consciência e o senso do que é certo. Viagens longas, idas ao exterior e o contato com outras culturas também pertencem a esta casa e abrem a sua mente para um mundo mais amplo.</translation>
    </message>
    <message>
        <source>10th House - The House of Career</source>
        <translation>Casa 10 – A casa da carreira</translation>
    </message>
    <message>
        <source>This house of tells about your career and profession and about the work you do in the world. It shows your ambitions, your achievements and the public standing you gain through them, and how far you are likely to rise. It describes your relationships at every level, with superiors, with colleagues and with those who depend on you for guidance. This house is also linked with your father and with the lessons and example he gave you. Finally, it rules authority, status, honour and reputation, and the respect you earn through your own hard efforts and deeds.</source>
        <translation>Esta casa fala da carreira, da profissão e do trabalho que você realiza no mundo. Mostra as suas ambições e conquistas, o prestígio que elas lhe trazem e até onde você provavelmente vai chegar. Descreve os relacionamentos em todos os níveis: com superiores, com colegas e com quem depende da sua orientação. Esta casa também está ligada ao pai e às lições e ao exemplo que ele deixou. Por fim, rege a autoridade, o status, a honra e a reputação, e o respeito que você conquista com o próprio esforço e as próprias ações.</translation>
    </message>
    <message>
        <source>11th House - The House of Hopes</source>
        <translation>Casa 11 – A casa das esperanças</translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of income and of the rewards that your efforts bring. It shows your monetary gains from every source, from your work, your business and your investments, and how your dearest wishes come true. It is the house of sociability and friendship, revealing the friends you make, the clubs, groups and circles you join and the support you find among them. Your hopes for the future and your ideals for a better world are read here, along with your humanitarian causes and your political interests. This house also speaks of step-children and of elder brothers and sisters.</source>
        <translation>Esta casa é tradicionalmente conhecida como a casa da renda e das recompensas que o esforço traz. Mostra os ganhos financeiros de todas as fontes, seja o trabalho, os negócios ou os investimentos, e como os seus maiores desejos se realizam. É a casa da sociabilidade e da amizade: revela os amigos que você faz, os clubes, grupos e círculos de que participa e o apoio que encontra neles. Aqui se leem as esperanças para o futuro e os ideais de um mundo melhor, assim como as causas humanitárias e os interesses políticos. Esta casa também fala de enteados e de irmãos e irmãs mais velhos.</translation>
    </message>
    <message>
        <source>12th House - The House of Shortcomings</source>
        <translation>Casa 12 – A casa das fraquezas</translation>
    </message>
    <message>
        <source>In Indian Astrology, this house is known as the house of expenses and of losses. It reveals your hidden persona, the part of you that you keep away from the eyes of the world. Your karma from past lives, your dreams, your sleep and your visions are read here. It is the house of charity and of selfless giving, but also of sorrows, isolation, secret enemies and the limitations that hold you back. Hospitals, prisons, monasteries and far places of retreat belong to it. Finally, it points to the after-life and to the final release of the soul.</source>
        <translation>Na astrologia indiana, esta casa é conhecida como a casa das despesas e das perdas. Revela a sua face escondida, o lado que você mantém longe dos olhos do mundo. O carma de vidas passadas, os sonhos, o sono e as visões são lidos aqui. É a casa da caridade e da doação desinteressada, mas também das tristezas, do isolamento, dos inimigos ocultos e das limitações que impedem você de avançar. Hospitais, prisões, mosteiros e lugares distantes de retiro pertencem a ela. Por fim, aponta para a vida após a morte e para a libertação final da alma.</translation>
    </message>
</context>
<context>
    <name>Zentrova::Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>O programa já está em execução.</translation>
    </message>
</context>
<context>
    <name>Zentrova::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Pode haver uma atualização disponível para este software.
Deseja verificar se há atualizações?</translation>
    </message>
</context>
<context>
    <name>Zentrova::WebPage</name>
    <message>
        <source>Zentrova could not open this page in your web browser.
You can copy its address into a browser yourself:</source>
        <translation>O Zentrova não conseguiu abrir esta página no navegador.
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
