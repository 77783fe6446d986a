#include "calendar/PaganLore.h"

// Every text the calendar browser shows on its reference tabs, kept together so that the window
// code only places them. Plain ASCII on purpose: what is counted is what is shown. Each text is translated as a
// whole, with the tab it stands on told to the translator, so that a translation can reorder its sentences.

#include <QCoreApplication>

namespace PaganLore {

QString Subject::captionText() const {
    return QCoreApplication::translate("PaganLore", caption);
}

namespace {

//: On the Pagan Information tab, and above the festive seasons.
const char* const IntroductionText = QT_TRANSLATE_NOOP(
    "PaganLore", "The term Pagan is taken from the Latin word 'Paganus', meaning a dweller of the countryside. Today "
                 "it names the many nature based faiths that honour the old gods and goddesses, the turning seasons "
                 "and the living earth, and that hold all of nature to be sacred.");

//: On the Pagan Information tab.
const char* const OldReligionText = QT_TRANSLATE_NOOP(
    "PaganLore", "The oldest known religion to humanity is Paganism. Long before temples and scriptures, people "
                 "watched the sun rise and set, the moon grow and fade and the crops come and go, and they saw the "
                 "hand of the divine in all of it. Paganism has no single founder, no single holy book and no central "
                 "church. It is a family of traditions that share a deep respect for nature and a belief that the "
                 "sacred can be found in the land, the sky, the sea and in every living creature. Many Pagans honour "
                 "both a god and a goddess, or a whole company of gods, and they mark the year with festivals that "
                 "follow the seasons. Pagans value personal experience, freedom of belief and living in balance with "
                 "the world, and they respect other paths.");

//: On the Pagan Calendar tab, beside the month and year.
const char* const OldCalendarText = QT_TRANSLATE_NOOP(
    "PaganLore", "One of the most significant things in the ancient Anglo-Saxon culture is the old pagan calendar. It "
                 "did not count the days by the sun alone, as our calendar does, but by the moon and the seasons "
                 "together. A month began with a new moon, and the names of the months told people what work the "
                 "season asked of them and which powers were honoured. The year was split into two great halves, "
                 "winter and summer, and the turning points between them were kept as holy days with fires, feasts and "
                 "offerings. Midwinter, the time of the longest night, was the start of the year, and the nights "
                 "before it were thought to be full of spirits and ancestors who walked close to the living. As the "
                 "year went on, farmers watched the calendar to know when to plough, when to sow and when to gather "
                 "the harvest. Because twelve moons fall short of a full solar year, an extra month was added to keep "
                 "the feasts in step with the seasons. Much of this calendar lives on today in the names of our "
                 "weekdays and in festivals such as Easter and Yule. Choose a month and year on this page and Velloran "
                 "will show you the pagan festivals that fall in that month, so that you can plan your own rites and "
                 "celebrations ahead of time.");

const Subject FestiveSeasonTexts[] = {
    {"Yule",
     //: Festive season tab "Yule".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "This is generally celebrated during the winter time i.e. from December 23-25. Yule marks the winter "
         "solstice, the longest night of the year, after which the sun returns and the days begin to grow "
         "longer. Pagans light candles and fires to welcome the light, bring evergreen branches into the home "
         "as a sign of lasting life, and share food, gifts and stories with their loved ones.")},
    {"Candlemas",
     //: Festive season tab "Candlemas".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "This day is observed on 2nd February as the birthday of Brigid - the goddess of inspiration and "
         "fire. It is also called Imbolc, the first stirring of spring, when the ewes give milk and the earth "
         "begins to wake. Candles are lit in every window of the house, homes are swept, and new plans and "
         "promises are made.")},
    {"Eostar",
     //: Festive season tab "Eostar".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "Observed within March 20-23, this day is the start of the Pagan year of springs. At the spring "
         "equinox day and night stand in balance. Eggs, hares and fresh spring blooms are the signs of this "
         "festival, which honours new life, fertility and the green growth returning to the fields.")},
    {"Samhain",
     //: Festive season tab "Samhain".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "Also known as the Halloween, this day is celebrated on October 31st. Samhain ends the harvest and "
         "opens the dark half of the year. It is said that on this night the veil between the world of the "
         "living and the world of the dead is at its thinnest, so Pagans remember their ancestors, set a place "
         "for them at the table and light bonfires to guide the spirits safely home.")},
    {"Mabon",
     //: Festive season tab "Mabon".
     QT_TRANSLATE_NOOP("PaganLore",
                       "Though the period from September 20-23 is observed as a holiday, but this day is not so widely "
                       "celebrated and looked upon. It is the autumn equinox and the second harvest.")},
    {"Litha",
     //: Festive season tab "Litha".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "Observed during the summer time i.e. from June 20-23, this festival is held on the longest day. At "
         "midsummer the sun stands at the height of its power, and Pagans gather to greet the sunrise, light "
         "bonfires on the hills and leap the flames for luck. Herbs gathered at this time are thought to be at "
         "their strongest, and it is a joyful time for weddings, music and dancing under the open skies.")},
    {"Beltan",
     //: Festive season tab "Beltan".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "The most important festive for the Pagans after Samhain. Beltan falls on the eve of May and welcomes "
         "the bright half of the year. Two great fires were lit and the cattle were driven between them to "
         "guard them before they went out to their summer pastures. Young people rose early to gather flowers "
         "and green branches, a maypole was raised in the village, and people danced around it. It is a "
         "festival of fertility, love and growth, when the god and goddess are joined and the land springs to "
         "life.")},
    {"Lughnasad",
     //: Festive season tab "Lughnasad".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "1st August is the day of Lughnasad. It is the first of the harvest festivals and is named after the "
         "god Lugh. The first corn is cut and baked into bread, and people give thanks for the earth's gifts.")},
};

const Subject ElementTexts[] = {
    {QT_TRANSLATE_NOOP("PaganLore", "Earth"),
     //: Element tab "Earth".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "This is the element which is associated with the North direction. Earth is the ground under our "
         "feet, the rock, the soil and the hills, and it stands for stability, strength, patience and growth. "
         "It is the element of the body and of all things that can be touched, of wealth, homes and family. "
         "Its season is winter, its time of day is midnight, and its colours are green, brown and black. In "
         "ritual it is shown by a dish of salt, a stone, a crystal or a bowl of earth, and on the altar by the "
         "pentacle. Earth is linked to the bull and to trees that stand firm in every storm. Pagans call on "
         "Earth when they wish to ground themselves, to find a steady footing, to protect their home or to "
         "bring prosperity and healing. It reminds us that we are part of nature, not apart from it.")},
    {QT_TRANSLATE_NOOP("PaganLore", "Air"),
     //: Element tab "Air".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "This is the element which is associated with the East direction. Air is the breath of life and the "
         "wind that carries seeds and songs across the land. It stands for the mind, thought, learning, memory "
         "and speech, and for new beginnings, just as each day begins when the sun rises in the East. Its "
         "season is spring, its time of day is dawn, and its colours are yellow and pale blue. In ritual it is "
         "shown by incense smoke, a feather or a bell, and on the altar by the wand or the athame. Birds are "
         "its creatures. Pagans call upon Air for clear thinking, for inspiration, for travel and for the "
         "right words.")},
    {QT_TRANSLATE_NOOP("PaganLore", "Fire"),
     //: Element tab "Fire".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "Fire is the element of Energy; it also represents action and activeness. It is linked to the South "
         "direction, to the heat of summer and to the midday sun. Fire gives light and warmth, it cooks our "
         "food and forges tools, but it can also destroy. It stands for will, courage, passion, desire and "
         "change, for the spark that turns an idea into a deed. Its colours are red, orange and gold. In "
         "ritual it is shown by a candle, a lamp or a bonfire, and on the altar by the athame or the wand. The "
         "lion, the salamander and the dragon are its creatures. Pagans call upon Fire when they need strength "
         "to act, when they want to burn off old habits and fears, and when they seek purification. Many "
         "festivals are marked by fires on the hills, for Fire is a sign of the sun and of life itself.")},
    {QT_TRANSLATE_NOOP("PaganLore", "Water"),
     //: Element tab "Water".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "This is the element which is associated with the West direction. Water is found in rivers, lakes, "
         "wells, rain and the great sea, and in the blood and tears of every living being. It stands for "
         "feelings, love, dreams, intuition and healing, and for the hidden depths of the mind. Its season is "
         "autumn, its time of day is dusk, when the sun sets in the West, and its colours are blue, silver and "
         "sea green. In ritual it is shown by a bowl of water or a shell, and on the altar by the cup or "
         "chalice. Fish, dolphins and water birds are its creatures. The sacred wells and springs were "
         "honoured by the old Pagans, and offerings were left there. Pagans call upon Water for cleansing, for "
         "healing of the heart, for friendship and for seeing what lies beneath the surface.")},
    {QT_TRANSLATE_NOOP("PaganLore", "Spirit"),
     //: Element tab "Spirit".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "This is the element which is associated with the center; the element which is associated with the "
         "realm of the gods. Spirit, also called Aether, is the fifth element, the one that binds Earth, Air, "
         "Fire and Water together and lives in all of them. It has no one direction, for it is everywhere, "
         "above, below and within. It is shown as the top point of the pentagram, and its colours are white "
         "and violet. Pagans call upon Spirit to feel their link with the divine and with all of life.")},
};

const Subject GodTexts[] = {
    {"Angus of the Brugh",
     //: God tab "Angus of the Brugh".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "Angus is the son of Dagda. He is the young god of love, youth and beauty, and four birds flew around "
         "his head, whose kisses became the songs of lovers. He dreamt of a maiden named Caer and searched for "
         "her for a whole year, finding her at last in the form of a swan. He became a swan himself to join "
         "her, and together they flew to his home, the Brugh on the river Boyne.")},
    {"Cernunnos",
     //: God tab "Cernunnos".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "The god of virility flanked by the ram-headed serpent and a stag. Cernunnos is the horned god of the "
         "forest and of wild animals, and he is shown seated with crossed legs, with antlers on his head and a "
         "torc around his neck. He is the lord of nature, of plenty and of the hunt, and he keeps the gate "
         "between life and death. Pagans honour him as the partner of the Goddess and the father of all living "
         "things.")},
    {"Dagda",
     //: God tab "Dagda".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "\"The Good God' is the father of Angus. The Dagda was the chief of the Tuatha De Danann, the ancient "
         "gods of Ireland, and he was wise, strong and generous. He owned a great cauldron that was never "
         "empty, so that no one who came to him ever went away hungry, and a club that could kill nine men "
         "with one end and bring them back to life with the other. He also had a harp of oak whose music could "
         "change the seasons and move the hearts of all who heard it. He was the god of plenty, of the earth "
         "and of druid wisdom, and he was the lover of the Morrigan, whom he met at a river on the feast of "
         "Samhain.")},
    {"Dian Cecht",
     //: God tab "Dian Cecht".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "The healer god. Dian Cecht was the physician of the Tuatha De Danann. When King Nuada lost his hand "
         "in battle, Dian Cecht made him a new hand of silver that could move like a living one. He also "
         "blessed a well that healed the wounded warriors who were bathed in it, so that they could fight "
         "again. He was jealous of his son Miach, whose skill was even greater than his own. From the grave of "
         "Miach grew hundreds of healing herbs, one for each part of the body.")},
    {"Dis Pater",
     //: God tab "Dis Pater".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "Originally a god of death and the underworld, later the chief god of the Gauls. He ruled the riches "
         "hidden under the ground, and the Gauls believed that they came from him.")},
    {"Donn",
     //: God tab "Donn".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "The god of storms and thunders. Donn is the lord of the dead, who dwells on an island off the coast, "
         "where all souls go after death.")},
    {"Esus",
     //: God tab "Esus".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "The god of Gauls who is very often portrayed as woodcutter. He is shown cutting branches from a "
         "willow next to a bull and three cranes, and offerings were hung in sacred trees in his honour.")},
    {"Govannon",
     //: God tab "Govannon".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "The god of weapons and armors- the smith god. Govannon is the Welsh smith, a son of the goddess Don, "
         "and he is known in Ireland as Goibniu. His forge never cooled, and the spears and swords he made "
         "always struck true and did not break. He also brewed an ale that kept the gods young and free from "
         "sickness. Smiths were held in high honour by the old Pagans, for they could shape iron with fire as "
         "if by magic.")},
    {"Lug or Lugh",
     //: God tab "Lug or Lugh".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "The sun god. Lug, called Lugh of the Long Arm, was a master of every art and craft: a warrior, a "
         "poet, a smith, a healer, a harpist and a magician all at once. He led the gods into battle against "
         "the Fomorians and won the day with a stone from his sling. His spear could never be defeated. The "
         "festival of Lughnasad at the start of August bears his name, and many towns across Europe were named "
         "in his honour.")},
    {"Nuadhu or Nud/ Nodens/ Lud",
     //: God tab "Nuadhu or Nud/ Nodens/ Lud".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "He is the god of healing and water. Nuadhu was the first king of the Tuatha De Danann. He lost his "
         "hand in battle and, since a king had to be whole, he gave up his throne until Dian Cecht made him a "
         "hand of silver. In Britain he was known as Nodens, and a temple was built to him beside the river "
         "Severn, where the sick came from far and wide to seek a cure.")},
    {"Ogmios",
     //: God tab "Ogmios".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "The god of language, eloquence and genius. He is portrayed as an old man who leads a crowd of people "
         "with fine gold chains that run from his tongue to their ears, for wise words bind people more "
         "strongly than any rope.")},
    {"Sucellus",
     //: God tab "Sucellus".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "He is the god of forest and agriculture. He is shown holding a long handled hammer and a pot, with a "
         "loyal dog beside him, and he brings good harvests and a plentiful supply of wine.")},
};

const Subject GoddessTexts[] = {
    {"Arianrhod",
     //: Goddess tab "Arianrhod".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "Arianrhod means Silver Circle; she is the Goddess of Virgin. She is a Welsh goddess of the moon and "
         "the stars, whose home is the castle Caer Arianrhod up in the northern sky. She turns the silver "
         "wheel of the heavens, which carries the souls of the dead, and she rules over fate, time and "
         "rebirth.")},
    {"Badb",
     //: Goddess tab "Badb".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "The Goddess of war who is known to use her magic to decide war. Badb would often appear on the field "
         "of battle as a crow or a raven, and her wild cries filled her enemies with dread. Before a battle "
         "she might be seen as a washer woman at a ford, washing the armour of those who were about to die. "
         "She is one of the three sisters of the Morrigan, and she is linked with wisdom, life and death, and "
         "the endless cycle that joins them.")},
    {"Brighit or Brigit",
     //: Goddess tab "Brighit or Brigit".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "Brigit is the goddess of craftsmanship, healing and metalwork. She is also the goddess of poetry and "
         "of the hearth fire, and her festival of Imbolc at the start of February marks the first signs of "
         "spring. She was said to have two sisters, also named Brigit, so that she is one goddess and three at "
         "once. At her shrine in Kildare a holy fire was kept alight for centuries. Many wells across Ireland "
         "are named after her, and their waters are thought to heal. She protects mothers, children and farm "
         "animals.")},
    {"Caridwen or Hen Wen",
     //: Goddess tab "Caridwen or Hen Wen".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "The goddess of grains and corns. Caridwen is a Welsh goddess of magic and change who brewed a "
         "cauldron of insight for a year and a day. Three drops of it fell on young Gwion, who gained all its "
         "wisdom. She chased him through many shapes until she swallowed him as a grain of corn, and she later "
         "bore him again as the great bard Taliesin.")},
    {"Danu",
     //: Goddess tab "Danu".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "Danu is the Mother goddess. She is the mother of the Tuatha De Danann, whose name means the people "
         "of Danu. She is linked with the rivers, wind, wisdom and the fruitful earth, and the Danube river "
         "may bear her name. Many Pagans honour her as the great source of all life, wisdom and plenty.")},
    {"Epona",
     //: Goddess tab "Epona".
     QT_TRANSLATE_NOOP(
         "PaganLore",
         "The goddess of horse. Epona was honoured by the Gauls and later by the Roman cavalry, who carried "
         "her worship across the Empire. She is shown riding side saddle on a mare or sitting between two "
         "horses, often with a basket of fruit or grains in her lap. She protects horses, donkeys and mules "
         "and those who care for them, and she also guides the souls of the dead on their journey. Her feast "
         "fell on December 18th.")},
};

} // namespace

QString Subject::bodyText() const {
    return QCoreApplication::translate("PaganLore", text);
}

QString Introduction() {
    return QCoreApplication::translate("PaganLore", IntroductionText);
}
QString OldReligion() {
    return QCoreApplication::translate("PaganLore", OldReligionText);
}
QString OldCalendar() {
    return QCoreApplication::translate("PaganLore", OldCalendarText);
}

std::span<const Subject> FestiveSeasons() {
    return FestiveSeasonTexts;
}
std::span<const Subject> Elements() {
    return ElementTexts;
}
std::span<const Subject> Gods() {
    return GodTexts;
}
std::span<const Subject> Goddesses() {
    return GoddessTexts;
}

} // namespace PaganLore
