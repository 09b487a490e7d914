<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Zentrova::AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Zentrova shows you how the different dice patterns relate to the twelve signs of the zodiac, planets and houses.</source>
        <translation>Zentrova te muestra cómo se relacionan las distintas combinaciones de los dados con los doce signos del zodiaco, los planetas y las casas.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <extracomment>Opens the page about a fully branded copy</extracomment>
        <translation>Haz clic para saber más</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con tu propia marca para tu sitio web.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the web site address (a link)</extracomment>
        <translation>Haz clic para visitar %1</translation>
    </message>
</context>
<context>
    <name>Zentrova::FarewellWindow</name>
    <message>
        <source>Quorvane Softwares, such as this can be created and maintained only with your support. The best way to support Quorvane is to visit Quorvane regularly and take part in the discussions and other activities on the board.</source>
        <translation>Los programas de Quorvane Softwares, como este, solo pueden crearse y mantenerse gracias a tu apoyo. La mejor forma de apoyar a Quorvane es visitarlo con frecuencia y participar en los debates y demás actividades del foro.</translation>
    </message>
    <message>
        <source>Visit Quorvane regularly. Support Quorvane by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quorvane</source>
        <translation>Visita Quorvane con frecuencia. Apoya a Quorvane participando en los debates y en las demás actividades. Sin tus visitas frecuentes a Quorvane, estos programas no pueden mantenerse ni seguir recibiendo soporte.</translation>
    </message>
    <message>
        <source>Quorvane is a FREE online discussion forum for all things mystic. To help Quorvane develop and maintain this software visit Quorvane regularly.</source>
        <translation>Quorvane es un foro de debate en línea GRATUITO dedicado a todo lo esotérico. Para ayudar a Quorvane a desarrollar y mantener este programa, visita Quorvane con frecuencia.</translation>
    </message>
    <message>
        <source>Quorvane needs your help. All you need to do is visit Quorvane regularly and take part in the various discussions and activites to help us maintain and develop more Quorvane Softwares.</source>
        <translation>Quorvane necesita tu ayuda. Solo tienes que visitarlo con frecuencia y participar en sus distintos debates y actividades para ayudarnos a mantener y crear más programas de Quorvane Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quorvane Softwares. From a single software, we have now grown to become the world’s largest resource of quorvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Si te ha gustado este programa, seguro que te interesarán los demás programas de Quorvane Softwares. Empezamos con un solo programa y hoy contamos con el mayor catálogo del mundo de programas de Quorvane. Astrología, videncia, tarot, numerología u ocultismo: tenemos programas en todos los campos, para que nuestros usuarios puedan elegir entre una amplia variedad según sus intereses.</translation>
    </message>
    <message>
        <source>All the programs in the Quorvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Todos los programas de la colección Quorvane Softwares son sencillos y fáciles de usar. Además de divertidos, son muy instructivos. Pruébalos hoy mismo y comparte tu experiencia con tus amigos y familiares. </translation>
    </message>
    <message>
        <source>Your Name</source>
        <extracomment>Shown in the empty box for the user&apos;s own name</extracomment>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <extracomment>Shown in the empty box for the user&apos;s own e-mail address</extracomment>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Shown in the empty box for the message to the friend</extracomment>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <extracomment>Shown in the empty box for the friend&apos;s name</extracomment>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <extracomment>Shown in the empty box for the friend&apos;s e-mail address</extracomment>
        <translation>Correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escribe tu correo electrónico.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escribe el nombre de tu amigo.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escribe el correo electrónico de tu amigo.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escribe dos direcciones de correo electrónico distintas.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escribe una dirección de correo electrónico válida.</translation>
    </message>
    <message>
        <source>Please Shorten Your Message</source>
        <translation>Acorta tu mensaje.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Closes the window and ends the program</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the web site host name (a check box that opens the site)</extracomment>
        <translation>Haz clic y visita %1 ahora</translation>
    </message>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Descarga Quorvane Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Haz clic y visita Quorvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomienda a un amigo</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>Accessible name of the box for the user&apos;s own name</extracomment>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Opens the referral page in the web browser</extracomment>
        <translation>Recomendar a un amigo &amp;ahora</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <extracomment>Accessible name of the box for the user&apos;s own address</extracomment>
        <translation>Tu dirección de correo electrónico</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <extracomment>Accessible name of the box for the friend&apos;s address</extracomment>
        <translation>Dirección de correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <extracomment>Accessible name of the box for the friend&apos;s name</extracomment>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Accessible name of the box for the message to the friend</extracomment>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo electrónico no puede contener espacios.</translation>
    </message>
</context>
<context>
    <name>Zentrova::MainWindow</name>
    <message>
        <source>Opens a web page</source>
        <translation>Abre una página web</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now.</source>
        <extracomment>%1 is the web site host name, e.g. www.example.org (a link text)</extracomment>
        <translation>El foro de debate esotérico más popular de Internet. Haz clic aquí y visita %1 ahora.</translation>
    </message>
    <message>
        <source>Zentrova shows you how the different dice patterns relate to the twelve signs of the zodiac, planets and houses. Click here to get your reading now!</source>
        <translation>Zentrova te muestra cómo se relacionan las distintas combinaciones de los dados con los doce signos del zodiaco, los planetas y las casas. ¡Haz clic aquí y obtén ya tu lectura!</translation>
    </message>
    <message>
        <source>Click on the Dice for An Zentrova Reading</source>
        <translation>Pulsa un dado para tu lectura de Zentrova</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Casts a planet reading</source>
        <translation>Lanza los dados para una lectura de planeta</translation>
    </message>
    <message>
        <source>Zodiac</source>
        <translation>Zodiaco</translation>
    </message>
    <message>
        <source>Casts a zodiac sign reading</source>
        <translation>Lanza los dados para una lectura de signo del zodiaco</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Casts a house reading</source>
        <translation>Lanza los dados para una lectura de casa</translation>
    </message>
    <message>
        <source>Comprehensive</source>
        <translation>Completa</translation>
    </message>
    <message>
        <source>Casts a comprehensive reading</source>
        <translation>Lanza los dados para una lectura completa</translation>
    </message>
    <message>
        <source>Planet die</source>
        <translation>Dado de los planetas</translation>
    </message>
    <message>
        <source>Zodiac die</source>
        <translation>Dado de los signos</translation>
    </message>
    <message>
        <source>House die</source>
        <translation>Dado de las casas</translation>
    </message>
    <message>
        <source>Comprehensive reading, planet die</source>
        <translation>Lectura completa, dado de los planetas</translation>
    </message>
    <message>
        <source>Comprehensive reading, zodiac die</source>
        <translation>Lectura completa, dado de los signos</translation>
    </message>
    <message>
        <source>Comprehensive reading, house die</source>
        <translation>Lectura completa, dado de las casas</translation>
    </message>
    <message>
        <source>Reading pages</source>
        <translation>Páginas de la lectura</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>Planetas</translation>
    </message>
    <message>
        <source>Zodiac Sign</source>
        <translation>Signo del zodiaco</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Casas</translation>
    </message>
    <message>
        <source>Planet Name</source>
        <translation>Nombre del planeta</translation>
    </message>
    <message>
        <source>The planet&apos;s significance for you.</source>
        <translation>Lo que el planeta significa para ti.</translation>
    </message>
    <message>
        <source>Zodiac Sign Name</source>
        <translation>Nombre del signo</translation>
    </message>
    <message>
        <source>The zodiac sign&apos;s significance for you.</source>
        <translation>Lo que el signo significa para ti.</translation>
    </message>
    <message>
        <source>Houses Name</source>
        <translation>Nombre de la casa</translation>
    </message>
    <message>
        <source>The house&apos;s significance for you.</source>
        <translation>Lo que la casa significa para ti.</translation>
    </message>
    <message>
        <source>&amp;Cast Zentrova Again</source>
        <translation>&amp;Volver a lanzar los dados</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Añade la marca de tu web a este programa. Fideliza a tus visitantes y atrae más tráfico a tu web. Pon aquí su nombre y su enlace. Consulta «Ayuda» para más detalles. Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con tu propia marca para tu sitio web. Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita nuestro sitio web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
</context>
<context>
    <name>Zentrova::ReadingPage</name>
    <message>
        <source>Planet die, first half</source>
        <translation>Dado de los planetas, primera mitad</translation>
    </message>
    <message>
        <source>Planet die, second half</source>
        <translation>Dado de los planetas, segunda mitad</translation>
    </message>
    <message>
        <source>Planet picture</source>
        <translation>Imagen del planeta</translation>
    </message>
    <message>
        <source>Zodiac sign die, first half</source>
        <translation>Dado de los signos, primera mitad</translation>
    </message>
    <message>
        <source>Zodiac sign die, second half</source>
        <translation>Dado de los signos, segunda mitad</translation>
    </message>
    <message>
        <source>Zodiac sign picture</source>
        <translation>Imagen del signo del zodiaco</translation>
    </message>
    <message>
        <source>House die, first half</source>
        <translation>Dado de las casas, primera mitad</translation>
    </message>
    <message>
        <source>House die, second half</source>
        <translation>Dado de las casas, segunda mitad</translation>
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
        <translation>Es la fuente primordial de energía. Ocupa el centro de todo lo que haces y nutre cada parte de tu carta. Marca tu propia búsqueda en la vida, ese viaje interior que te lleva a conocerte a ti mismo y a alcanzar la sabiduría.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>This is is the closest to the Earth and it mirrors the quest of the Sun in the way your personality shows itself. It tells how you draw energy from the people and places around you, and how you turn that energy into growth and into the emotional nourishment you need.</source>
        <translation>Es el astro más cercano a la Tierra y refleja la búsqueda del Sol en la manera en que se expresa tu personalidad. Indica cómo tomas energía de las personas y los lugares que te rodean, y cómo la transformas en crecimiento y en el alimento emocional que necesitas.</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>This shows your perspective to the happenings in the world around you. The way you read those events also gives you the answers that guide and explain your own actions.</source>
        <translation>Muestra tu manera de ver lo que ocurre en el mundo que te rodea. La forma en que interpretas esos acontecimientos te da también las respuestas que guían y explican tus propios actos.</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>This shows how you hold onto things that bring you personal satisfaction. It speaks of your wishes and desires, of what you long for, and of how freely you are able to voice them to others.</source>
        <translation>Muestra cómo te aferras a aquello que te produce satisfacción personal. Habla de tus deseos y anhelos, de lo que ansías, y de la libertad con que sabes expresarlos ante los demás.</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>This is you personal special initiative for achieving your aims. It shows the drive and the full effort you put into reaching your goals.</source>
        <translation>Es tu iniciativa más personal, la que te impulsa a cumplir tus propósitos. Muestra el empuje y todo el esfuerzo que pones en alcanzar tus metas.</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>This shows all your needs and the steps you take to see them fulfilled. Take care, though, that you do not lose yourself in fantasies along the way.</source>
        <translation>Muestra todas tus necesidades y los pasos que das para satisfacerlas. Eso sí, procura no perderte en fantasías por el camino.</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>This stands for your limitations and restrictions. It reminds you that even when you stand at the very peak of success, your place in the whole of creation remains only a small one.</source>
        <translation>Representa tus límites y tus restricciones. Te recuerda que, aun cuando llegas a la cima del éxito, tu lugar en el conjunto de la creación no deja de ser pequeño.</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>This extends beyond the current universe and makes you aware of what lies past the things you know. Used with creativity, that awareness helps you break away from the old restrictions that hold you.</source>
        <translation>Se extiende más allá del universo actual y te hace consciente de lo que hay fuera de lo que conoces. Esa conciencia, usada con creatividad, te ayuda a liberarte de las viejas restricciones que te atan.</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptuno</translation>
    </message>
    <message>
        <source>This is something that you are always searching for to feel complete. You can sense it close by, yet it is never in your hands.</source>
        <translation>Es aquello que siempre buscas para sentirte completo. Lo sientes cerca, pero nunca llega a estar en tus manos.</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutón</translation>
    </message>
    <message>
        <source>This is the ultimate commitment that you can make. It shows the power and reach of your own energies.</source>
        <translation>Es el mayor compromiso que puedes asumir. Muestra el poder y el alcance de tus propias energías.</translation>
    </message>
    <message>
        <source>Aries</source>
        <extracomment>A sign of the zodiac</extracomment>
        <translation>Aries</translation>
    </message>
    <message>
        <source>This is not a demanding sign. Picture a single dot among a great many others: it asks for nothing special, and yet it still finds its way to the centre of the pattern. You are content to blend in with the crowd until the right moment comes. You do not spread your effort thin; you work hard only for the one goal that you judge to be the best of all.</source>
        <translation>No es un signo exigente. Imagina un solo punto entre muchísimos otros: no pide nada especial y, aun así, acaba llegando al centro de la figura. Te conformas con pasar inadvertido entre la multitud hasta que llega el momento oportuno. No repartes tus fuerzas: solo te empeñas a fondo en la única meta que consideras la mejor de todas.</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>This sign is one step forward in achieving your goals. You move towards them steadily, but always along the most comfortable path you can find. For you, life has to be smooth and easy, and you avoid the rough roads whenever you can.</source>
        <translation>Este signo supone un paso adelante hacia tus metas. Avanzas hacia ellas con constancia, pero siempre por la vía más cómoda que encuentras. Para ti, la vida tiene que ser fácil y sin sobresaltos, y siempre que puedes evitas los caminos difíciles.</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>This sign starts as a line from the centre that soon branches out towards many different alternatives. You keep an open mind and are always ready to look at other ways of solving a problem.</source>
        <translation>Este signo nace como una línea que sale del centro y que pronto se ramifica en muchas alternativas distintas. Tienes una mente abierta y siempre estás dispuesto a buscar otras formas de resolver un problema.</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>In this sign, the dot patterns signify the wall that you build around yourself for protection. You are sensitive and easily hurt, so you guard your inner world closely. Others often misread these boundaries as coldness, when they are only your way of staying safe.</source>
        <translation>En este signo, la figura de puntos representa el muro que levantas a tu alrededor para protegerte. Eres sensible y te hieren con facilidad, así que guardas celosamente tu mundo interior. Los demás suelen tomar esos límites por frialdad, cuando no son más que tu manera de sentirte a salvo.</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>You are on always on a quest looking for appreciation and admiration from those around you. You like your life to be well ordered, with yourself as the king at its centre. Even so, you cannot rule alone, and you want the support and the loyalty of others behind you.</source>
        <translation>Siempre andas en busca del aprecio y la admiración de quienes te rodean. Te gusta que tu vida esté bien ordenada, contigo en el centro, como un rey. Aun así, no puedes reinar solo, y quieres contar con el apoyo y la lealtad de los demás.</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>You are always neat and methodical. The six dots of this sign stand in a tidy, ordered pattern, just as you like things to be. You are meticulous and communicative, with a sharp eye for detail. You are quick to spot errors that others miss, and you are at your best when there is a problem to be solved.</source>
        <translation>Eres siempre ordenado y metódico. Los seis puntos de este signo forman una figura pulcra y bien dispuesta, tal como te gusta que estén las cosas. Eres meticuloso y comunicativo, y tienes buen ojo para los detalles. Detectas enseguida los errores que a otros se les escapan, y das lo mejor de ti cuando hay un problema que resolver.</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>This is the quest for peace and beauty. You try to keep a balance between the real world and your dreams. When a delicate decision has to be made, you weigh it carefully and then take it with a firm mind. The image of this sign works like a mirror, showing each side the other.</source>
        <translation>Es la búsqueda de la paz y la belleza. Intentas mantener el equilibrio entre el mundo real y tus sueños. Cuando hay que tomar una decisión delicada, la sopesas con cuidado y después la tomas con firmeza. La imagen de este signo funciona como un espejo que devuelve a cada lado el reflejo del otro.</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>You appreciate power and status. You hold your beliefs with real passion and keep your secrets well hidden, like the eight corners of a closed cube.</source>
        <translation>Valoras el poder y la posición social. Defiendes tus convicciones con verdadera pasión y guardas tus secretos bien escondidos, como las ocho esquinas de un cubo cerrado.</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>This sign stands for freedom of expression. You like to help others where you can, and you are harsh only when it is for their own good.</source>
        <translation>Este signo representa la libertad de expresión. Te gusta ayudar a los demás siempre que puedes, y solo eres duro cuando es por su propio bien.</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>This is the quest for control and firmness. You are sensible, practical and firmly down to earth, and you believe that there is a place for everything and that everything belongs in its place.</source>
        <translation>Es la búsqueda del control y la firmeza. Eres sensato, práctico y tienes los pies bien puestos en la tierra, y crees en aquello de «un lugar para cada cosa y cada cosa en su lugar».</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>You will be an outcast. You do not follow the rules that the system lays down; instead you stand aside from it and think about the world around you in a calm and objective way.</source>
        <translation>Vivirás al margen. No sigues las reglas que dicta el sistema: prefieres apartarte de él y pensar en el mundo que te rodea con calma y objetividad.</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
    <message>
        <source>This sign prefers to be in the background. Yet it knows that many small drops together make an ocean.</source>
        <translation>Este signo prefiere quedarse en segundo plano. Aun así, sabe que muchas gotas pequeñas juntas forman un océano.</translation>
    </message>
    <message>
        <source>1st House - The House of Identity</source>
        <extracomment>A house of the natal chart: its number, then its traditional name</extracomment>
        <translation>Casa 1: la casa de la identidad</translation>
    </message>
    <message>
        <source>Much can be determined about someones personality from this house. It deals with the self and with your individuality, with your appearance and with the image that you project to the world. The sign rising on the eastern horizon at the moment of your birth, the ascendant, marks the start of this house. Because everything else in the chart grows out of it, many astrologers call it the most vital house of all. It describes your looks and the shape of your body, your general health and vitality, and the way you first meet new people. It also speaks of your early years and of the temperament you showed as a child.</source>
        <translation>Esta casa revela mucho sobre la personalidad de cada uno. Trata del yo y de tu individualidad, de tu apariencia y de la imagen que proyectas al mundo. El signo que asciende por el horizonte este en el momento de tu nacimiento, el ascendente, marca el comienzo de esta casa. Como todo lo demás en la carta nace de ella, muchos astrólogos la consideran la casa más importante de todas. Describe tu físico y tu complexión, tu salud y tu vitalidad en general, y cómo te muestras ante las personas que acabas de conocer. También habla de tus primeros años y del temperamento que mostrabas de niño.</translation>
    </message>
    <message>
        <source>2nd House - The House of Finances</source>
        <translation>Casa 2: la casa de las finanzas</translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of material possessions and wealth. It shows how you earn, save and spend, and how well you handle the resources that come into your hands. Gains and losses of money, property and valuables are read from here, as is the sense of safety and security that they give you. Beyond money, it reveals what you truly value in life and how much you value yourself, so your self-esteem is tied closely to this house. The things you own often reflect the things you believe you deserve. In matters of the body, this house is linked with the eyesight, especially the right eye, and with the throat, the neck and the voice.</source>
        <translation>A esta casa se la conoce tradicionalmente como la de los bienes materiales y la riqueza. Muestra cómo ganas, ahorras y gastas, y lo bien que administras los recursos que llegan a tus manos. En ella se leen las ganancias y las pérdidas de dinero, de propiedades y de objetos de valor, así como la sensación de seguridad y protección que te aportan. Más allá del dinero, revela lo que de verdad valoras en la vida y cuánto te valoras a ti mismo, por lo que tu autoestima está muy ligada a esta casa. Lo que posees suele reflejar lo que crees merecer. En el plano físico, esta casa se asocia con la vista, sobre todo con el ojo derecho, y con la garganta, el cuello y la voz.</translation>
    </message>
    <message>
        <source>3rd House - The House of Communication</source>
        <translation>Casa 3: la casa de la comunicación</translation>
    </message>
    <message>
        <source>This house corresponds to your power of communication. It shows how well you speak and write, how you put your thoughts into words, and how readily others understand you. It also reveals your basic attitude to life: whether you meet each day with courage or caution, and how willing you are to take risks. Your brothers and sisters, your cousins and your neighbours are found here, together with the bonds you share with them. Short trips, daily travel and errands belong to this house as well. Finally, it describes your intellect, your curiosity and your quickness of mind, and the way you learn new things.</source>
        <translation>Esta casa corresponde a tu capacidad de comunicación. Muestra lo bien que hablas y escribes, cómo pones tus pensamientos en palabras y con qué facilidad te entienden los demás. También revela tu actitud básica ante la vida: si afrontas cada día con valor o con cautela, y hasta qué punto estás dispuesto a arriesgarte. Aquí aparecen tus hermanos, tus primos y tus vecinos, junto con los lazos que te unen a ellos. Los viajes cortos, los desplazamientos diarios y los recados también pertenecen a esta casa. Por último, describe tu intelecto, tu curiosidad y tu agilidad mental, y tu manera de aprender cosas nuevas.</translation>
    </message>
    <message>
        <source>4th House - The House of Family</source>
        <translation>Casa 4: la casa de la familia</translation>
    </message>
    <message>
        <source>This house is also known as Matristhan in Vedic astrology, the place of the mother. It describes your mother and every mother-like figure who has cared for you, and the love and comfort they gave. It is the root of your emotional security, the calm place inside you where you feel safe. Your need for privacy, your home, your land and the house you live in are all read here. It shows the bonds that tie you to your family, the traditions you carry and the heritage passed down to you by your ancestors. Because it rules both beginnings and endings, this house speaks of your childhood as well as of your old age, and of the kind of peace you will find at the close of life.</source>
        <translation>En la astrología védica, esta casa se conoce también como Matristhan, el lugar de la madre. Describe a tu madre y a cualquier figura materna que te haya cuidado, y el amor y el consuelo que te dieron. Es la raíz de tu seguridad emocional, ese rincón tranquilo dentro de ti donde te sientes a salvo. Aquí se leen tu necesidad de intimidad, tu hogar, tus tierras y la casa en la que vives. Muestra los lazos que te unen a tu familia, las tradiciones que mantienes y la herencia que te legaron tus antepasados. Como rige tanto los comienzos como los finales, esta casa habla de tu infancia y también de tu vejez, y de la clase de paz que hallarás al final de la vida.</translation>
    </message>
    <message>
        <source>5th House - The House of Pleasures</source>
        <translation>Casa 5: la casa de los placeres</translation>
    </message>
    <message>
        <source>This house signifies the place of love affairs, romance and the joy of courtship. It shows how you fall in love, what charms you in another person, and how you express your affection. It is also the house of the intellect, and it tells of your education, your studies and your talent for learning. Creativity lives here: art, music, writing, drama and every other way in which you express who you are. Games, hobbies and the simple pleasures of life that bring you delight are read from this house too. Above all, it speaks of children, of your bond with them and of the joy they bring into your life, and of the legacy you leave through them.</source>
        <translation>Esta casa representa el terreno de los amores, el romance y la alegría del cortejo. Muestra cómo te enamoras, qué te cautiva de otra persona y cómo expresas tu cariño. También es la casa del intelecto, y habla de tu educación, de tus estudios y de tu talento para aprender. Aquí reside la creatividad: el arte, la música, la escritura, el teatro y cualquier otra forma de expresar quién eres. Los juegos, las aficiones y los pequeños placeres de la vida que te alegran también se leen en esta casa. Pero, sobre todo, habla de los hijos, del vínculo que te une a ellos y de la alegría que traen a tu vida, así como del legado que dejas a través de ellos.</translation>
    </message>
    <message>
        <source>6th House - The House of Health</source>
        <translation>Casa 6: la casa de la salud</translation>
    </message>
    <message>
        <source>This house indicates the skills we possess and the kind of work we are best suited for. It shows your daily routine, your sense of duty and the service you willingly give to others. Your colleagues, your employees and the atmosphere at your place of work are seen here. It is also the house of enemies and rivals, and of the obstacles that stand in your way, as well as your strength to overcome them. Disputes, debts and legal matters, including court cases, fall under this house. Most of all, it is linked with health: it reveals your tendency to illness, the way your body copes with stress and worry, and the habits that can keep you fit and well.</source>
        <translation>Esta casa indica tus aptitudes y el tipo de trabajo para el que estás mejor dotado. Muestra tu rutina diaria, tu sentido del deber y el servicio que prestas de buen grado a los demás. Aquí se ven tus compañeros, tus empleados y el ambiente de tu lugar de trabajo. También es la casa de los enemigos y los rivales, de los obstáculos que se interponen en tu camino y de tu fuerza para superarlos. Las disputas, las deudas y los asuntos legales, incluidos los pleitos, corresponden a esta casa. Pero, sobre todo, está ligada a la salud: revela tu propensión a enfermar, cómo sobrelleva tu cuerpo el estrés y las preocupaciones, y los hábitos que pueden mantenerte sano y en forma.</translation>
    </message>
    <message>
        <source>7th House - The House of Partnerships</source>
        <translation>Casa 7: la casa de las relaciones</translation>
    </message>
    <message>
        <source>This house is commonly believed to define our closest partnerships. It is above all the house of marriage, and it describes the spouse you are drawn to, the nature of your married life and the balance between the two of you. Beyond love, it rules business partnerships and agreements of every kind, so contracts, deals and joint ventures are judged from here. It shows how you cooperate, how you share responsibility and how you handle open conflict with a partner. It also covers your relations with your peers and with the public at large, and how others see you when you stand beside them as an equal.</source>
        <translation>Se suele decir que esta casa define nuestras relaciones más estrechas. Es, ante todo, la casa del matrimonio, y describe al cónyuge que te atrae, la naturaleza de tu vida en pareja y el equilibrio entre los dos. Más allá del amor, rige las sociedades comerciales y los acuerdos de todo tipo, de modo que los contratos, los tratos y las empresas conjuntas se juzgan desde aquí. Muestra cómo colaboras, cómo compartes las responsabilidades y cómo afrontas un conflicto abierto con tu pareja o tu socio. También abarca tu relación con tus iguales y con el público en general, y cómo te ven los demás cuando estás a su lado en pie de igualdad.</translation>
    </message>
    <message>
        <source>8th House - The House of Spirituality</source>
        <translation>Casa 8: la casa de la espiritualidad</translation>
    </message>
    <message>
        <source>This house corresponds to the sexual nature of a person and to the deep bonds of intimacy. It is read for longevity, for the length of life, and for the dangers, accidents and sudden events you may face. It rules the transformations that change your life for good, the crises you pass through and the endings that clear the way for new beginnings. Secrets, hidden matters, research and the occult are found here as well. This house also governs inheritance, legacies and money shared with others, as well as unconventional income such as insurance, taxes, royalties or unexpected gains.</source>
        <translation>Esta casa corresponde a la naturaleza sexual de la persona y a los lazos profundos de la intimidad. En ella se leen la longevidad, la duración de la vida, y los peligros, los accidentes y los sucesos repentinos a los que puedes enfrentarte. Rige las transformaciones que cambian tu vida para siempre, las crisis que atraviesas y los finales que abren paso a nuevos comienzos. Aquí se encuentran también los secretos, los asuntos velados, la investigación y el ocultismo. Esta casa gobierna además las herencias, los legados y el dinero compartido con otros, así como los ingresos poco convencionales: seguros, impuestos, derechos de autor o ganancias inesperadas.</translation>
    </message>
    <message>
        <source>9th House - The House of Travel</source>
        <translation>Casa 9: la casa de los viajes</translation>
    </message>
    <message>
        <source>This house of your natal chart defines the values and principles by which you live. It is the house of philosophy and religion, of faith and of the search for a deeper meaning. It is also known as the house of luck and fortune, showing the blessings that come to you. Higher education, deep learning and the fame or honour that learning can bring are read here. It points to your intuition, your conscience and your sense of what is right. Long journeys, travel to foreign lands and contact with other cultures also belong to this house, opening your mind to a wider world.</source>
        <translation>Esta casa de tu carta natal define los valores y los principios que guían tu vida. Es la casa de la filosofía y la religión, de la fe y de la búsqueda de un sentido más profundo. También se la conoce como la casa de la suerte y la fortuna, pues muestra las bendiciones que llegan a tu vida. Aquí se leen los estudios superiores, el conocimiento profundo y la fama o el honor que puede traer el saber. Señala tu intuición, tu conciencia y tu sentido de lo que está bien. Los grandes viajes, las travesías a tierras extranjeras y el contacto con otras culturas también pertenecen a esta casa, y abren tu mente a un mundo más amplio.</translation>
    </message>
    <message>
        <source>10th House - The House of Career</source>
        <translation>Casa 10: la casa de la profesión</translation>
    </message>
    <message>
        <source>This house of tells about your career and profession and about the work you do in the world. It shows your ambitions, your achievements and the public standing you gain through them, and how far you are likely to rise. It describes your relationships at every level, with superiors, with colleagues and with those who depend on you for guidance. This house is also linked with your father and with the lessons and example he gave you. Finally, it rules authority, status, honour and reputation, and the respect you earn through your own hard efforts and deeds.</source>
        <translation>Esta casa habla de tu carrera y tu profesión, y de la labor que desempeñas en el mundo. Muestra tus ambiciones, tus logros y la posición pública que alcanzas gracias a ellos, y hasta dónde es probable que llegues. Describe tus relaciones a todos los niveles: con tus superiores, con tus compañeros y con quienes dependen de ti para orientarse. Esta casa está ligada también a tu padre, a las lecciones y al ejemplo que te dio. Por último, rige la autoridad, la posición social, el honor y la reputación, así como el respeto que te ganas con tu propio esfuerzo y con tus obras.</translation>
    </message>
    <message>
        <source>11th House - The House of Hopes</source>
        <translation>Casa 11: la casa de las esperanzas</translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of income and of the rewards that your efforts bring. It shows your monetary gains from every source, from your work, your business and your investments, and how your dearest wishes come true. It is the house of sociability and friendship, revealing the friends you make, the clubs, groups and circles you join and the support you find among them. Your hopes for the future and your ideals for a better world are read here, along with your humanitarian causes and your political interests. This house also speaks of step-children and of elder brothers and sisters.</source>
        <translation>A esta casa se la conoce tradicionalmente como la de los ingresos y las recompensas que traen tus esfuerzos. Muestra tus ganancias económicas de todas las fuentes —tu trabajo, tu negocio y tus inversiones— y cómo se cumplen tus deseos más queridos. Es la casa de la sociabilidad y la amistad: revela los amigos que haces, los clubes, grupos y círculos a los que te unes y el apoyo que encuentras en ellos. Aquí se leen tus esperanzas para el futuro y tus ideales de un mundo mejor, junto con tus causas humanitarias y tus intereses políticos. Esta casa habla también de los hijastros y de los hermanos mayores.</translation>
    </message>
    <message>
        <source>12th House - The House of Shortcomings</source>
        <translation>Casa 12: la casa de las debilidades</translation>
    </message>
    <message>
        <source>In Indian Astrology, this house is known as the house of expenses and of losses. It reveals your hidden persona, the part of you that you keep away from the eyes of the world. Your karma from past lives, your dreams, your sleep and your visions are read here. It is the house of charity and of selfless giving, but also of sorrows, isolation, secret enemies and the limitations that hold you back. Hospitals, prisons, monasteries and far places of retreat belong to it. Finally, it points to the after-life and to the final release of the soul.</source>
        <translation>En la astrología india, a esta casa se la conoce como la de los gastos y las pérdidas. Revela tu personalidad oculta, la parte de ti que mantienes lejos de las miradas del mundo. Aquí se leen el karma de tus vidas pasadas, tus sueños, tu descanso y tus visiones. Es la casa de la caridad y la entrega desinteresada, pero también de las penas, el aislamiento, los enemigos ocultos y las limitaciones que te frenan. Le pertenecen los hospitales, las prisiones, los monasterios y los lugares de retiro apartados. Por último, señala la otra vida y la liberación final del alma.</translation>
    </message>
</context>
<context>
    <name>Zentrova::Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando.</translation>
    </message>
</context>
<context>
    <name>Zentrova::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Puede que haya disponible una actualización de este programa.
¿Quieres comprobar si hay actualizaciones?</translation>
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
