#include "i18n/explanations.h"

namespace vaporin {

const std::array<Explanation, 8> Explanations = {{
    {TextId::DryBulb,
     {
         "The temperature of the air as an ordinary thermometer shows it.",
         "Die Temperatur der Luft, wie ein gewöhnliches Thermometer sie anzeigt.",
         "La temperatura del aire tal como la indica un termómetro corriente.",
         "La température de l'air telle que l'indique un thermomètre ordinaire.",
         "La temperatura dell'aria come la indica un normale termometro.",
         "普通の温度計で測った空気の温度。",
         "Температура воздуха, которую показывает обычный термометр.",
         "普通温度计所测得的空气温度。",
         "普通溫度計所測得的空氣溫度。",
     }},
    {TextId::RelativeHumidity,
     {
         "The water vapour the air holds, as a percentage of the most it could hold at its "
         "temperature.",
         "Der Wasserdampf in der Luft, in Prozent der Menge, die sie bei ihrer Temperatur "
         "höchstens aufnehmen kann.",
         "El vapor de agua que contiene el aire, en porcentaje del máximo que podría contener a "
         "su temperatura.",
         "La vapeur d'eau que contient l'air, en pourcentage du maximum qu'il pourrait contenir "
         "à sa température.",
         "Il vapore acqueo contenuto nell'aria, in percentuale del massimo che potrebbe "
         "contenere alla sua temperatura.",
         "空気中の水蒸気量を、その温度で含みうる最大量に対する百分率で表したもの。",
         "Содержание водяного пара в воздухе в процентах от наибольшего возможного при его "
         "температуре.",
         "空气中水蒸气含量占该温度下最大可能含量的百分比。",
         "空氣中水蒸氣含量占該溫度下最大可能含量的百分比。",
     }},
    {TextId::AbsoluteHumidity,
     {
         "The mass of water vapour in a given volume of the moist air.",
         "Die Masse des Wasserdampfs in einem bestimmten Volumen feuchter Luft.",
         "La masa de vapor de agua contenida en un volumen dado de aire húmedo.",
         "La masse de vapeur d'eau contenue dans un volume donné d'air humide.",
         "La massa di vapore acqueo contenuta in un dato volume di aria umida.",
         "湿り空気の一定体積中に含まれる水蒸気の質量。",
         "Масса водяного пара в заданном объёме влажного воздуха.",
         "一定体积湿空气中所含水蒸气的质量。",
         "一定體積濕空氣中所含水蒸氣的質量。",
     }},
    {TextId::SpecificHumidity,
     {
         "The mass of water vapour carried per unit mass of dry air (the humidity ratio).",
         "Die Masse des Wasserdampfs je Masseneinheit trockener Luft (der Wassergehalt).",
         "La masa de vapor de agua por unidad de masa de aire seco (la relación de humedad).",
         "La masse de vapeur d'eau par unité de masse d'air sec (l'humidité spécifique).",
         "La massa di vapore acqueo per unità di massa di aria secca (il titolo).",
         "乾き空気の単位質量あたりに含まれる水蒸気の質量（絶対湿度）。",
         "Масса водяного пара на единицу массы сухого воздуха (влагосодержание).",
         "每单位质量干空气所含水蒸气的质量（含湿量）。",
         "每單位質量乾空氣所含水蒸氣的質量（含濕量）。",
     }},
    {TextId::DewPoint,
     {
         "The temperature at which the air, cooled at constant pressure, becomes saturated and "
         "dew begins to form.",
         "Die Temperatur, bei der die Luft, bei gleichem Druck abgekühlt, gesättigt ist und sich "
         "Tau zu bilden beginnt.",
         "La temperatura a la que el aire, enfriado a presión constante, se satura y empieza a "
         "formarse rocío.",
         "La température à laquelle l'air, refroidi à pression constante, devient saturé et la "
         "rosée commence à se former.",
         "La temperatura alla quale l'aria, raffreddata a pressione costante, diventa satura e "
         "comincia a formarsi la rugiada.",
         "空気を一定圧力のまま冷やしたとき、飽和して露が生じ始める温度。",
         "Температура, при которой воздух, охлаждаемый при постоянном давлении, становится "
         "насыщенным и начинает выпадать роса.",
         "空气在压力不变的情况下冷却，达到饱和并开始结露时的温度。",
         "空氣在壓力不變的情況下冷卻，達到飽和並開始結露時的溫度。",
     }},
    {TextId::Enthalpy,
     {
         "The heat content of the moist air per unit mass of dry air, counted from dry air at "
         "0 °C.",
         "Der Wärmeinhalt der feuchten Luft je Masseneinheit trockener Luft, gezählt ab "
         "trockener Luft bei 0 °C.",
         "El contenido de calor del aire húmedo por unidad de masa de aire seco, contado desde "
         "aire seco a 0 °C.",
         "La quantité de chaleur de l'air humide par unité de masse d'air sec, comptée à partir "
         "de l'air sec à 0 °C.",
         "Il contenuto di calore dell'aria umida per unità di massa di aria secca, contato a "
         "partire dall'aria secca a 0 °C.",
         "乾き空気の単位質量あたりの湿り空気の熱量で、0 °Cの乾き空気を基準とする。",
         "Теплосодержание влажного воздуха на единицу массы сухого воздуха, отсчитанное от "
         "сухого воздуха при 0 °C.",
         "每单位质量干空气的湿空气所含热量，以0 °C的干空气为基准。",
         "每單位質量乾空氣的濕空氣所含熱量，以0 °C的乾空氣為基準。",
     }},
    {TextId::WetBulb,
     {
         "The temperature a wetted thermometer reaches as water evaporates from it into the air.",
         "Die Temperatur, die ein befeuchtetes Thermometer erreicht, während Wasser von ihm in "
         "die Luft verdunstet.",
         "La temperatura que alcanza un termómetro humedecido mientras el agua se evapora de él "
         "hacia el aire.",
         "La température qu'atteint un thermomètre mouillé pendant que l'eau s'en évapore dans "
         "l'air.",
         "La temperatura che raggiunge un termometro bagnato mentre l'acqua evapora da esso "
         "nell'aria.",
         "湿らせた温度計が、水が空気中へ蒸発する間に示す温度。",
         "Температура, которую показывает смоченный термометр, пока вода испаряется с него в "
         "воздух.",
         "湿润的温度计在水分向空气蒸发时所显示的温度。",
         "濕潤的溫度計在水分向空氣蒸發時所顯示的溫度。",
     }},
    {TextId::SpecificVolume,
     {
         "The volume the moist air takes up per unit mass of dry air.",
         "Das Volumen, das die feuchte Luft je Masseneinheit trockener Luft einnimmt.",
         "El volumen que ocupa el aire húmedo por unidad de masa de aire seco.",
         "Le volume qu'occupe l'air humide par unité de masse d'air sec.",
         "Il volume occupato dall'aria umida per unità di massa di aria secca.",
         "乾き空気の単位質量あたりに湿り空気が占める体積。",
         "Объём, занимаемый влажным воздухом на единицу массы сухого воздуха.",
         "每单位质量干空气的湿空气所占的体积。",
         "每單位質量乾空氣的濕空氣所佔的體積。",
     }},
}};

std::string_view ExplanationOf(TextId title, std::string_view languageCode) {
  const LanguageEntry* language = FindLanguage(languageCode);
  const TranslationColumn column = language != nullptr ? language->Column : ColumnEn;
  for (const Explanation& explanation : Explanations) {
    if (explanation.Title == title) return explanation.Texts[column];
  }
  return {};
}

}  // namespace vaporin
