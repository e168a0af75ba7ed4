// The meridian table. The texts are the ones users already see, kept exactly:
// the English advice uses the grave accent as its apostrophe.
#include "meridian_table.h"

// The tables keep one entry to a line.
// clang-format off
const std::array<std::int32_t, MeridianCount> MeridianHour = {
    2,
    4,
    6,
    8,
    10,
    12,
    14,
    16,
    18,
    20,
    22,
    0,
};

const std::array<Text, MeridianCount> MeridianCode = {
    u"-P",
    u"+GI",
    u"+E",
    u"-RP",
    u"-C",
    u"+IG",
    u"+V",
    u"-R",
    u"-MC",
    u"+TR",
    u"+VB",
    u"-F",
};

const std::array<Text, MeridianCount> MeridianNameRu = {
    u"Меридиан Легких",
    u"Меридиан Толстого кишечника",
    u"Меридиан Желудка",
    u"Меридиан Селезенки и Поджелудочной железы",
    u"Меридиан Сердца",
    u"Меридиан Тонкого кишечника",
    u"Меридиан Мочевого пузыря",
    u"Меридиан Почек",
    u"Меридиан Перикарда",
    u"Меридиан Тройничного обогревателя",
    u"Меридиан Желчного пузыря",
    u"Меридиан Печени",
};

const std::array<Text, MeridianCount> MeridianNameEn = {
    u"Lungs Meridian",
    u"Large Intestine Meridian",
    u"Stomach Meridian",
    u"Spleen and Pancreas Meridian",
    u"Cardiac Meridian",
    u"Small Intestine Meridian",
    u"Bladder Meridian",
    u"Kidneys Meridian",
    u"Pericardium Meridian",
    u"Triple Heater Meridian",
    u"Gall Bladder Meridian",
    u"Liver Meridian",
};

const std::array<Text, MeridianCount> MeridianHintRu = {
    u"Используйте интеллектуальный Отдых",
    u"Используйте физкультурный Отдых",
    u"Используйте практическое Обучение",
    u"Используйте теоретическое Обучение",
    u"Используйте интеллектуальные Развлечения",
    u"Используйте физкультурные Развлечения",
    u"Используйте физкультурный Труд",
    u"Используйте интеллектуальный Труд",
    u"Используйте теоретический Опыт",
    u"Используйте практический Опыт",
    u"Используйте физкультурное Развитие",
    u"Используйте интеллектуальное Развитие",
};

const std::array<Text, MeridianCount> MeridianHintEn = {
    u"Use an Intellectual rest",
    u"Use a Physical training rest",
    u"Use the Practical studies",
    u"Use the Theoretical studies",
    u"Use your Intelligence for entertainment",
    u"Use your Fun of sport",
    u"Use a Physical job for nice life being",
    u"Use Intellectual job for nice life being",
    u"Use your Theoretical experience",
    u"Use your Practical experience",
    u"Use an Evolution of your Body",
    u"Use an Evolution of your Intelligence",
};

const std::array<Text, MeridianCount> MeridianAdviceRu = {
    u"Беритесь за любое дело,\rкоторое исключает тоску или грусть.\rОптимизм побеждает Печали!",
    u"Беритесь за любую работу!\rВсё получается без Печали.\rОптимизм помогает жить!",
    u"Можно не следить за цветом,\rвкусом и запахом употребляемых продуктов.\rПеренимайте новаторство других!",
    u"Беритесь за любую работу,\rкоторая требует серьёзных размышлений.\rВсё получится с песней по жизни!",
    u"Реализуйте свои добрые намерения!\rВы не подвластны влияниям погоды.\rИскренне радуйтесь полезным делам!",
    u"Беритесь за благочестивую работу!\rНи жара, ни холод Вам не навредят.\rРадуйтесь Всему происходящему!",
    u"Займитесь исполнением Желаний!\rЖара или холод Вам не страшны.\rХорошее время для тяжёлых работ!",
    u"Ограничений для секса нет!\rЖара и холод не страшны.\rИсполняйте свои Желания!",
    u"Смело решайте возникшие задачи!\rВам будет удобно в любом климате!\rРадуйтесь всему происходящему!",
    u"Беритесь за любую работу!\rПомните о комфорте позвоночника!\rНагружайте организм правильно!",
    u"Ни ветренная, ни сухая погода Вам не грозят!\rПредпочтений разных свойств пищи нет.\rБеритесь за любую работу без Гнева!",
    u"Ни ветер, ни засуха Вам не грозят!\rБеритесь за реализацию любой работы,\rкоторая на требует Злости!",
};

const std::array<Text, MeridianCount> MeridianAdviceEn = {
    u"Take on the implementation of any deal,\rthat does not drive you to Sadness!\rEverything will turn out without Sorrow!",
    u"Take on any work!\rEverything turns out without Sorrow.\rOptimism helps your life being!",
    u"No need to follow the recommended color,\rtaste and the smell of consuming food.\rStudy the useful innovation of others!",
    u"You can not follow the recommended color,\rtaste and the smell of consumed meal.\rStudy the useful innovation of others!",
    u"Realize your good intentions!\rYou are not under influence of bad weather.\rSincerely Rejoice in useful things!",
    u"Realize your good intentions!\rYou are not under influence of bad weather.\rSincerely Rejoice in useful things!",
    u"Engage in the fulfillment of own Wishes!\rThe heat or cold don`t harm you.\rIt`s a good time for hard work!",
    u"Engage in the fulfillment of own Wishes!\rThe heat or cold don`t harm you.\rIt`s a good time for hard work!",
    u"You are comfortable into any weather state.\rStay rejoice by everything that is in progress now!\rAll problems will be overcome successfully!",
    u"You are protected of the external environment!\rYou may use body without restrictions.\rOf course, any fanaticism has to be excluded!",
    u"You are protected from windy or dry weather.\rNo recommendations for meal consumption.\rTake on the realization of any work without angry!",
    u"Take on any work, that do not require Angry!\rWindy and Dryness weather do not harm you!\rIt`s very easy to keep under control emotionality now!",
};

std::array<TDateTime, MeridianCount> MeridianStart{};

void FillMeridianStart() {
  for (int k = 0; k < MeridianCount; ++k) MeridianStart[k] = EncodeTime(MeridianHour[k], 0, 0, 0);
}
// clang-format on
