// The interface texts in every language: one row per English source text, then its
// translations. Leading spaces are part of the texts. Easily lost characters are written as
// escapes: U+3000 (ideographic space) opens the Japanese rows 2 to 11 after their space, and
// U+FF12 (full-width digit two) opens the first Japanese row. The Russian pressure row begins
// with a Latin capital A after its space.
#include "i18n/translation_data.h"

namespace vaporin {

const std::array<TranslationRow, SourceTextCount> TranslationRows = {{
    {
        "Input 2 params",           // en
        "Zwei Eingabeparameter",    // de
        "2 parámetros de entrada",  // es
        "Entrée 2 paramètres",      // fr
        "Input 2 parametri",        // it
        "\uff12つの状態値を入力",   // ja
        "Два входных параметров",   // ru
        "2 输入参数",               // zh_cn
        "2 輸入參數",               // zh_tw
    },
    {
        " Dry Bulb Temperature",   // en
        " Trockentemperatur",      // de
        " Temp. de bulbo seco",    // es
        " Bulbe sec Température",  // fr
        " Temp. a bulbo secco",    // it
        " \u3000乾球温度 DB",      // ja
        " Сухого Термометру",      // ru
        " 干球温度",               // zh_cn
        " 幹球溫度",               // zh_tw
    },
    {
        " Relative Humidity",          // en
        " Relative Luftfeuchtigkeit",  // de
        " Humedad relativa",           // es
        " Humidité relative",          // fr
        " Umidità relativa",           // it
        " \u3000相対湿度 RH",          // ja
        " Относительная Влаж.",        // ru
        " 相对湿度",                   // zh_cn
        " 相對濕度",                   // zh_tw
    },
    {
        " Absolute Humidity",          // en
        " Absolute Luftfeuchtigkeit",  // de
        " Humedad absoluta",           // es
        " Humidité absolue",           // fr
        " Umidità assoluta",           // it
        " \u3000容積絶対湿度 A",       // ja
        " Абсолютная Влаж.",           // ru
        " 容积绝对湿度",               // zh_cn
        " 容積絕對濕度",               // zh_tw
    },
    {
        " Specific Humidity",      // en
        " Spezifische Luftfeuc.",  // de
        " Humedad específica",     // es
        " Humidité spécifique",    // fr
        " Umidità specifica",      // it
        " \u3000重量絶対湿度 X",   // ja
        " Удельная Влаж.",         // ru
        " 重量绝对湿度",           // zh_cn
        " 重量絕對溼度",           // zh_tw
    },
    {
        " Dew Point Temperature",    // en
        " Taupunkttemperatur",       // de
        " Temp. de punto de rocío",  // es
        " Temp. du point de rosée",  // fr
        " Punto di rugiada",         // it
        " \u3000露点温度 DP",        // ja
        " Температура точки росы",   // ru
        " 露点温度",                 // zh_cn
        " 露點溫度",                 // zh_tw
    },
    {
        " Specific Enthalpy",      // en
        " Spezifische Enthalpie",  // de
        " Entalpía específica",    // es
        " Enthalpie spécifique",   // fr
        " Entalpia specifica",     // it
        " \u3000比エンタルピ H",   // ja
        " Конкретные энтальпии",   // ru
        " 比焓",                   // zh_cn
        " 比焓",                   // zh_tw
    },
    {
        " Temperature",   // en
        " Temperatur",    // de
        " Temperatura",   // es
        " Température",   // fr
        " Temperatura",   // it
        " \u3000温度 T",  // ja
        " Температура",   // ru
        " 温度",          // zh_cn
        " 溫度",          // zh_tw
    },
    {
        " Atomospheric",    // en
        " Luftdruck",       // de
        " Atomospheric",    // es
        " Atomospheric",    // fr
        " Atmosferica",     // it
        " \u3000大気圧 P",  // ja
        " Aтмосферного",    // ru
        " 大气压力",        // zh_cn
        " 大氣壓力",        // zh_tw
    },
    {
        " Specific Volume",       // en
        " Spezifisches Volumen",  // de
        " Volumen específico",    // es
        " Volume spécifique",     // fr
        " Volume specifica",      // it
        " \u3000比容積 V",        // ja
        " Удельный объем",        // ru
        " 比容",                  // zh_cn
        " 比容",                  // zh_tw
    },
    {
        " Wet Bulb Temperature",   // en
        " Feuchtkugeltemperatur",  // de
        " Temp. de bulbo húmedo",  // es
        " Bulb Temp. humide",      // fr
        " Temp. al bulbo umido",   // it
        " \u3000湿球温度 WB",      // ja
        " Влажному Термометру",    // ru
        " 湿球温度",               // zh_cn
        " 濕球溫度",               // zh_tw
    },
    {
        "Save",         // en
        "Speichern",    // de
        "Guardar",      // es
        "Enregistrer",  // fr
        "Salva",        // it
        "保存",         // ja
        "Сохранить",    // ru
        "保存",         // zh_cn
        "保存",         // zh_tw
    },
    {
        "Apply",      // en
        "Nehmen",     // de
        "Aplicar",    // es
        "Appliquer",  // fr
        "Applica",    // it
        "適用",       // ja
        "Применить",  // ru
        "应用",       // zh_cn
        "應用",       // zh_tw
    },
    {
        "Cancel",      // en
        "Abbrechen",   // de
        "Cancelar",    // es
        "Annuler",     // fr
        "Annulla",     // it
        "キャンセル",  // ja
        "Отменить",    // ru
        "取消",        // zh_cn
        "取消",        // zh_tw
    },
    {
        "Unit Configuration",          // en
        "Gerätekonfiguration",         // de
        "Configuración de la unidad",  // es
        "Configuration de l'unité",    // fr
        "Configurazione Unità",        // it
        "単位の設定",                  // ja
        "Конфигурация блока",          // ru
        "单位设置",                    // zh_cn
        "單位設置",                    // zh_tw
    },
    {
        "Vaporin Language",    // en
        "Vaporin Sprache",     // de
        "Idioma del Vaporin",  // es
        "Langue de Vaporin",   // fr
        "Lingua Vaporin",      // it
        "Vaporinの使用言語",   // ja
        "Язык Vaporin",        // ru
        "Vaporin 语言",        // zh_cn
        "Vaporin 語言",        // zh_tw
    },
    {
        "Always on top",           // en
        "Immer Vorderansicht",     // de
        "Vista siempre superior",  // es
        "Vue toujours avant",      // fr
        "Vista sempre superiore",  // it
        "常に最上表示",            // ja
        "Вид всегда спереди",      // ru
        "总在最前面",              // zh_cn
        "總在最前面",              // zh_tw
    },
    {
        " Altitude",    // en
        " Höhe",        // de
        " Altitud",     // es
        " Altitude",    // fr
        " Altitudine",  // it
        " 標高",        // ja
        " Высота",      // ru
        " 海拔",        // zh_cn
        " 海拔高度",    // zh_tw
    },
    {
        "Copy all",        // en
        "Alles kopieren",  // de
        "Copiar todo",     // es
        "Tout copier",     // fr
        "Copia tutto",     // it
        "すべてコピー",    // ja
        "Копировать всё",  // ru
        "全部复制",        // zh_cn
        "全部複製",        // zh_tw
    },
    {
        "Psychrometric chart",          // en
        "Psychrometrisches Diagramm",   // de
        "Diagrama psicrométrico",       // es
        "Diagramme psychrométrique",    // fr
        "Diagramma psicrometrico",      // it
        "空気線図",                     // ja
        "Психрометрическая диаграмма",  // ru
        "焓湿图",                       // zh_cn
        "空氣線圖",                     // zh_tw
    },
    {
        "Save chart",                // en
        "Diagramm speichern",        // de
        "Guardar diagrama",          // es
        "Enregistrer le diagramme",  // fr
        "Salva diagramma",           // it
        "空気線図を保存",            // ja
        "Сохранить диаграмму",       // ru
        "保存焓湿图",                // zh_cn
        "儲存空氣線圖",              // zh_tw
    },
    {
        "Enthalpy and wet bulb do not fix a state",      // en
        "Enthalpie + Feuchtkugel: Zustand unbestimmt",   // de
        "Entalpía y bulbo húmedo no fijan un estado",    // es
        "Enthalpie et bulbe humide : état indéterminé",  // fr
        "Entalpia e bulbo umido non fissano lo stato",   // it
        "エンタルピーと湿球温度では状態が定まりません",  // ja
        "Энтальпия и t мокр. не задают состояние",       // ru
        "焓和湿球温度不能确定状态",                      // zh_cn
        "焓與濕球溫度無法確定狀態",                      // zh_tw
    },
    {
        "No air state has these two values",             // en
        "Kein Luftzustand hat diese beiden Werte",       // de
        "Ningún estado del aire tiene estos valores",    // es
        "Aucun état de l’air n’a ces deux valeurs",      // fr
        "Nessuno stato dell’aria ha questi due valori",  // it
        "この2つの値をとる空気の状態はありません",       // ja
        "Такого состояния воздуха нет",                  // ru
        "没有空气状态具有这两个值",                      // zh_cn
        "沒有空氣狀態具有這兩個值",                      // zh_tw
    },
    {
        "Relative humidity must be 0 to 100 %",          // en
        "Relative Feuchte muss 0 bis 100 % sein",        // de
        "La humedad relativa debe ser de 0 a 100 %",     // es
        "L’humidité relative doit être de 0 à 100 %",    // fr
        "L’umidità relativa deve essere tra 0 e 100 %",  // it
        "相対湿度は0～100 %の範囲で入力してください",    // ja
        "Отн. влажность должна быть от 0 до 100 %",      // ru
        "相对湿度必须在 0 到 100 % 之间",                // zh_cn
        "相對濕度必須介於 0 到 100 % 之間",              // zh_tw
    },
    {
        "Outside the range of the calculation",  // en
        "Außerhalb des Rechenbereichs",          // de
        "Fuera del rango de cálculo",            // es
        "Hors du domaine de calcul",             // fr
        "Fuori dal campo di calcolo",            // it
        "計算範囲外です",                        // ja
        "Вне диапазона расчёта",                 // ru
        "超出计算范围",                          // zh_cn
        "超出計算範圍",                          // zh_tw
    },
    {
        "Pressure must be %1 to %2",             // en
        "Der Druck muss %1 bis %2 betragen",     // de
        "La presión debe ser de %1 a %2",        // es
        "La pression doit être de %1 à %2",      // fr
        "La pressione deve essere tra %1 e %2",  // it
        "気圧は%1～%2の範囲で入力してください",  // ja
        "Давление должно быть от %1 до %2",      // ru
        "气压必须在 %1 到 %2 之间",              // zh_cn
        "氣壓必須介於 %1 到 %2 之間",            // zh_tw
    },
    {
        "Altitude must be %1 to %2",             // en
        "Die Höhe muss %1 bis %2 betragen",      // de
        "La altitud debe ser de %1 a %2",        // es
        "L’altitude doit être de %1 à %2",       // fr
        "L’altitudine deve essere tra %1 e %2",  // it
        "標高は%1～%2の範囲で入力してください",  // ja
        "Высота должна быть от %1 до %2",        // ru
        "海拔必须在 %1 到 %2 之间",              // zh_cn
        "海拔高度必須介於 %1 到 %2 之間",        // zh_tw
    },
    {
        "Enter two values only (Esc clears all)",         // en
        "Nur zwei Werte eingeben (Esc löscht alle)",      // de
        "Introduzca solo dos valores (Esc borra todo)",   // es
        "Deux valeurs seulement (Échap efface tout)",     // fr
        "Inserire solo due valori (Esc cancella tutto)",  // it
        "値は2つだけ入力してください（Escで全消去）",     // ja
        "Введите только два значения (Esc очищает всё)",  // ru
        "只能输入两个值（Esc 全部清除）",                 // zh_cn
        "只能輸入兩個值（Esc 全部清除）",                 // zh_tw
    },
    {
        "Atmospheric pressure",    // en
        "Luftdruck",               // de
        "Presión atmosférica",     // es
        "Pression atmosphérique",  // fr
        "Pressione atmosferica",   // it
        "大気圧",                  // ja
        "Атмосферное давление",    // ru
        "大气压力",                // zh_cn
        "大氣壓力",                // zh_tw
    },
    {
        "Result",     // en
        "Ergebnis",   // de
        "Resultado",  // es
        "Résultat",   // fr
        "Risultato",  // it
        "結果",       // ja
        "Результат",  // ru
        "结果",       // zh_cn
        "結果",       // zh_tw
    },
    {
        "Under the pointer",   // en
        "Unter dem Zeiger",    // de
        "Bajo el puntero",     // es
        "Sous le pointeur",    // fr
        "Sotto il puntatore",  // it
        "ポインターの位置",    // ja
        "Под указателем",      // ru
        "指针处",              // zh_cn
        "指標處",              // zh_tw
    },
}};

const std::array<LanguageEntry, LanguageCount> Languages = {{
    {"de", "Deutsch", ColumnDe, 0},
    {"en", "English", ColumnEn, 1},
    {"es", "Español", ColumnEs, 2},
    {"fr", "Français", ColumnFr, 3},
    {"it", "Italiano", ColumnIt, 4},
    {"ja", "日本語", ColumnJa, 5},
    {"ru", "Pусский", ColumnRu, 6},  // the first letter is the Latin P
    {"zh_cn", "中文(简体)", ColumnZhCn, 7},
    {"zh_tw", "中文(繁體)", ColumnZhTw, 8},
}};

const LanguageEntry* FindLanguage(int32_t storedIndex) {
  for (const LanguageEntry& language : Languages) {
    if (language.StoredIndex == storedIndex) return &language;
  }
  return nullptr;
}

const LanguageEntry* FindLanguage(std::string_view code) {
  for (const LanguageEntry& language : Languages) {
    if (language.Code == code) return &language;
  }
  return nullptr;
}

std::string_view TextIn(TextId id, std::string_view code) {
  const LanguageEntry* language = FindLanguage(code);
  const TranslationColumn column = language != nullptr ? language->Column : ColumnEn;
  return TranslationRows[static_cast<size_t>(id)][column];
}

}  // namespace vaporin
