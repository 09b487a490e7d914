// SPDX-License-Identifier: MIT
#include "reading/readingtables.h"

#include <QCoreApplication>

#include <array>

namespace Zentrova {

namespace {

// A row as stored: the English source texts, translated as they are read.
struct TableRow
{
    const char *name;
    const char *significance;
};

constexpr char Context[] = "Zentrova::ReadingTables";

// Planets
constexpr TableRow Sun{
    //: A planet of astrology
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Sun"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This is the prime source of energy. It sits at the centre of all you do and feeds "
        "every part of your chart. It marks your own quest in life, the inner search that "
        "leads you towards knowing yourself and towards wisdom.")};
constexpr TableRow Moon{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Moon"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This is is the closest to the Earth and it mirrors the quest of the Sun in the way "
        "your personality shows itself. It tells how you draw energy from the people and "
        "places around you, and how you turn that energy into growth and into the emotional "
        "nourishment you need.")};
constexpr TableRow Mercury{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Mercury"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This shows your perspective to the happenings in the world around you. The way you "
        "read those events also gives you the answers that guide and explain your own "
        "actions.")};
constexpr TableRow Venus{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Venus"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This shows how you hold onto things that bring you personal satisfaction. It speaks "
        "of your wishes and desires, of what you long for, and of how freely you are able to "
        "voice them to others.")};
constexpr TableRow Mars{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Mars"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This is you personal special initiative for achieving your aims. It shows the drive "
        "and the full effort you put into reaching your goals.")};
constexpr TableRow Jupiter{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Jupiter"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This shows all your needs and the steps you take to see them fulfilled. Take care, "
        "though, that you do not lose yourself in fantasies along the way.")};
constexpr TableRow Saturn{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Saturn"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This stands for your limitations and restrictions. It reminds you that even when you"
        " stand at the very peak of success, your place in the whole of creation remains only"
        " a small one.")};
constexpr TableRow Uranus{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Uranus"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This extends beyond the current universe and makes you aware of what lies past the "
        "things you know. Used with creativity, that awareness helps you break away from the "
        "old restrictions that hold you.")};
constexpr TableRow Neptune{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Neptune"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This is something that you are always searching for to feel complete. You can sense "
        "it close by, yet it is never in your hands.")};
constexpr TableRow Pluto{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Pluto"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This is the ultimate commitment that you can make. It shows the power and reach of "
        "your own energies.")};

// Zodiac signs
constexpr TableRow Aries{
    //: A sign of the zodiac
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Aries"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This is not a demanding sign. Picture a single dot among a great many others: it "
        "asks for nothing special, and yet it still finds its way to the centre of the "
        "pattern. You are content to blend in with the crowd until the right moment comes. "
        "You do not spread your effort thin; you work hard only for the one goal that you "
        "judge to be the best of all.")};
constexpr TableRow Taurus{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Taurus"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This sign is one step forward in achieving your goals. You move towards them "
        "steadily, but always along the most comfortable path you can find. For you, life has"
        " to be smooth and easy, and you avoid the rough roads whenever you can.")};
constexpr TableRow Gemini{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Gemini"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This sign starts as a line from the centre that soon branches out towards many "
        "different alternatives. You keep an open mind and are always ready to look at other "
        "ways of solving a problem.")};
constexpr TableRow Cancer{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Cancer"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "In this sign, the dot patterns signify the wall that you build around yourself for "
        "protection. You are sensitive and easily hurt, so you guard your inner world "
        "closely. Others often misread these boundaries as coldness, when they are only your "
        "way of staying safe.")};
constexpr TableRow Leo{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Leo"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "You are on always on a quest looking for appreciation and admiration from those "
        "around you. You like your life to be well ordered, with yourself as the king at its "
        "centre. Even so, you cannot rule alone, and you want the support and the loyalty of "
        "others behind you.")};
constexpr TableRow Virgo{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Virgo"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "You are always neat and methodical. The six dots of this sign stand in a tidy, "
        "ordered pattern, just as you like things to be. You are meticulous and "
        "communicative, with a sharp eye for detail. You are quick to spot errors that others"
        " miss, and you are at your best when there is a problem to be solved.")};
constexpr TableRow Libra{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Libra"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This is the quest for peace and beauty. You try to keep a balance between the real "
        "world and your dreams. When a delicate decision has to be made, you weigh it "
        "carefully and then take it with a firm mind. The image of this sign works like a "
        "mirror, showing each side the other.")};
constexpr TableRow Scorpio{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Scorpio"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "You appreciate power and status. You hold your beliefs with real passion and keep "
        "your secrets well hidden, like the eight corners of a closed cube.")};
constexpr TableRow Sagittarius{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Sagittarius"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This sign stands for freedom of expression. You like to help others where you can, "
        "and you are harsh only when it is for their own good.")};
constexpr TableRow Capricorn{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Capricorn"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This is the quest for control and firmness. You are sensible, practical and firmly "
        "down to earth, and you believe that there is a place for everything and that "
        "everything belongs in its place.")};
constexpr TableRow Aquarius{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Aquarius"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "You will be an outcast. You do not follow the rules that the system lays down; "
        "instead you stand aside from it and think about the world around you in a calm and "
        "objective way.")};
constexpr TableRow Pisces{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "Pisces"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This sign prefers to be in the background. Yet it knows that many small drops "
        "together make an ocean.")};

// Houses
constexpr TableRow FirstHouse{
    //: A house of the natal chart: its number, then its traditional name
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "1st House - The House of Identity"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "Much can be determined about someones personality from this house. It deals with the"
        " self and with your individuality, with your appearance and with the image that you "
        "project to the world. The sign rising on the eastern horizon at the moment of your "
        "birth, the ascendant, marks the start of this house. Because everything else in the "
        "chart grows out of it, many astrologers call it the most vital house of all. It "
        "describes your looks and the shape of your body, your general health and vitality, "
        "and the way you first meet new people. It also speaks of your early years and of the"
        " temperament you showed as a child.")};
constexpr TableRow SecondHouse{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "2nd House - The House of Finances"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This house is traditionally known as the house of material possessions and wealth. "
        "It shows how you earn, save and spend, and how well you handle the resources that "
        "come into your hands. Gains and losses of money, property and valuables are read "
        "from here, as is the sense of safety and security that they give you. Beyond money, "
        "it reveals what you truly value in life and how much you value yourself, so your "
        "self-esteem is tied closely to this house. The things you own often reflect the "
        "things you believe you deserve. In matters of the body, this house is linked with "
        "the eyesight, especially the right eye, and with the throat, the neck and the voice.")};
constexpr TableRow ThirdHouse{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "3rd House - The House of Communication"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This house corresponds to your power of communication. It shows how well you speak "
        "and write, how you put your thoughts into words, and how readily others understand "
        "you. It also reveals your basic attitude to life: whether you meet each day with "
        "courage or caution, and how willing you are to take risks. Your brothers and "
        "sisters, your cousins and your neighbours are found here, together with the bonds "
        "you share with them. Short trips, daily travel and errands belong to this house as "
        "well. Finally, it describes your intellect, your curiosity and your quickness of "
        "mind, and the way you learn new things.")};
constexpr TableRow FourthHouse{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "4th House - The House of Family"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This house is also known as Matristhan in Vedic astrology, the place of the mother. "
        "It describes your mother and every mother-like figure who has cared for you, and the"
        " love and comfort they gave. It is the root of your emotional security, the calm "
        "place inside you where you feel safe. Your need for privacy, your home, your land "
        "and the house you live in are all read here. It shows the bonds that tie you to your"
        " family, the traditions you carry and the heritage passed down to you by your "
        "ancestors. Because it rules both beginnings and endings, this house speaks of your "
        "childhood as well as of your old age, and of the kind of peace you will find at the "
        "close of life.")};
constexpr TableRow FifthHouse{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "5th House - The House of Pleasures"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This house signifies the place of love affairs, romance and the joy of courtship. It"
        " shows how you fall in love, what charms you in another person, and how you express "
        "your affection. It is also the house of the intellect, and it tells of your "
        "education, your studies and your talent for learning. Creativity lives here: art, "
        "music, writing, drama and every other way in which you express who you are. Games, "
        "hobbies and the simple pleasures of life that bring you delight are read from this "
        "house too. Above all, it speaks of children, of your bond with them and of the joy "
        "they bring into your life, and of the legacy you leave through them.")};
constexpr TableRow SixthHouse{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "6th House - The House of Health"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This house indicates the skills we possess and the kind of work we are best suited "
        "for. It shows your daily routine, your sense of duty and the service you willingly "
        "give to others. Your colleagues, your employees and the atmosphere at your place of "
        "work are seen here. It is also the house of enemies and rivals, and of the obstacles"
        " that stand in your way, as well as your strength to overcome them. Disputes, debts "
        "and legal matters, including court cases, fall under this house. Most of all, it is "
        "linked with health: it reveals your tendency to illness, the way your body copes "
        "with stress and worry, and the habits that can keep you fit and well.")};
constexpr TableRow SeventhHouse{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "7th House - The House of Partnerships"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This house is commonly believed to define our closest partnerships. It is above all "
        "the house of marriage, and it describes the spouse you are drawn to, the nature of "
        "your married life and the balance between the two of you. Beyond love, it rules "
        "business partnerships and agreements of every kind, so contracts, deals and joint "
        "ventures are judged from here. It shows how you cooperate, how you share "
        "responsibility and how you handle open conflict with a partner. It also covers your "
        "relations with your peers and with the public at large, and how others see you when "
        "you stand beside them as an equal.")};
constexpr TableRow EighthHouse{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "8th House - The House of Spirituality"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This house corresponds to the sexual nature of a person and to the deep bonds of "
        "intimacy. It is read for longevity, for the length of life, and for the dangers, "
        "accidents and sudden events you may face. It rules the transformations that change "
        "your life for good, the crises you pass through and the endings that clear the way "
        "for new beginnings. Secrets, hidden matters, research and the occult are found here "
        "as well. This house also governs inheritance, legacies and money shared with others,"
        " as well as unconventional income such as insurance, taxes, royalties or unexpected "
        "gains.")};
constexpr TableRow NinthHouse{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "9th House - The House of Travel"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This house of your natal chart defines the values and principles by which you live. "
        "It is the house of philosophy and religion, of faith and of the search for a deeper "
        "meaning. It is also known as the house of luck and fortune, showing the blessings "
        "that come to you. Higher education, deep learning and the fame or honour that "
        "learning can bring are read here. It points to your intuition, your conscience and "
        "your sense of what is right. Long journeys, travel to foreign lands and contact with"
        " other cultures also belong to this house, opening your mind to a wider world.")};
constexpr TableRow TenthHouse{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "10th House - The House of Career"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This house of tells about your career and profession and about the work you do in "
        "the world. It shows your ambitions, your achievements and the public standing you "
        "gain through them, and how far you are likely to rise. It describes your "
        "relationships at every level, with superiors, with colleagues and with those who "
        "depend on you for guidance. This house is also linked with your father and with the "
        "lessons and example he gave you. Finally, it rules authority, status, honour and "
        "reputation, and the respect you earn through your own hard efforts and deeds.")};
constexpr TableRow EleventhHouse{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "11th House - The House of Hopes"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "This house is traditionally known as the house of income and of the rewards that "
        "your efforts bring. It shows your monetary gains from every source, from your work, "
        "your business and your investments, and how your dearest wishes come true. It is the"
        " house of sociability and friendship, revealing the friends you make, the clubs, "
        "groups and circles you join and the support you find among them. Your hopes for the "
        "future and your ideals for a better world are read here, along with your "
        "humanitarian causes and your political interests. This house also speaks of step-"
        "children and of elder brothers and sisters.")};
constexpr TableRow TwelfthHouse{
    QT_TRANSLATE_NOOP("Zentrova::ReadingTables", "12th House - The House of Shortcomings"),
    QT_TRANSLATE_NOOP(
        "Zentrova::ReadingTables",
        "In Indian Astrology, this house is known as the house of expenses and of losses. It "
        "reveals your hidden persona, the part of you that you keep away from the eyes of the"
        " world. Your karma from past lives, your dreams, your sleep and your visions are "
        "read here. It is the house of charity and of selfless giving, but also of sorrows, "
        "isolation, secret enemies and the limitations that hold you back. Hospitals, "
        "prisons, monasteries and far places of retreat belong to it. Finally, it points to "
        "the after-life and to the final release of the soul.")};

using Table12 = std::array<TableRow, TableRows>;

// In the order of Table. The planet table ends with Mercury and Venus a
// second time.
constexpr std::array<Table12, 3> Tables{{
    {Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, Mercury, Venus},
    {Aries, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius, Capricorn, Aquarius,
     Pisces},
    {FirstHouse, SecondHouse, ThirdHouse, FourthHouse, FifthHouse, SixthHouse, SeventhHouse,
     EighthHouse, NinthHouse, TenthHouse, EleventhHouse, TwelfthHouse},
}};

} // namespace

ReadingRow readingRow(Table table, int row)
{
    if (row < 1 || row > TableRows)
        return {};
    const TableRow &stored = Tables[std::size_t(table)][std::size_t(row - 1)];
    return {QCoreApplication::translate(Context, stored.name),
            QCoreApplication::translate(Context, stored.significance)};
}

} // namespace Zentrova
