#include "i18n/texttable.h"

namespace termika {

namespace {

constexpr TextRow menu(const char* name, Cells text) {
    return {TargetKind::MenuItem, {name}, nullptr, text};
}
constexpr TextRow tab(const char* name, Cells text) {
    return {TargetKind::Tab, {name}, nullptr, text};
}
constexpr TextRow editCaption(Names names, Cells text) {
    return {TargetKind::EditCaption, names, nullptr, text};
}
constexpr TextRow control(Names names, Cells text) {
    return {TargetKind::Control, names, nullptr, text};
}
constexpr TextRow printout(const char* name, Cells text) {
    return {TargetKind::Printout, {name}, nullptr, text};
}
constexpr TextRow spacerItem(Cells text) {
    return {TargetKind::SpacerItem, {}, nullptr, text};
}
constexpr TextRow note(Cells text) {
    return {TargetKind::Note, {}, nullptr, text};
}
constexpr TextRow slot(std::string TextSlots::*member, Cells text) {
    return {TargetKind::Slot, {}, member, text};
}
constexpr TextRow name(const char* control, Cells text) {
    return {TargetKind::Name, {control}, nullptr, text};
}

// Columns: Polish, English, German, Italian, Swedish. The odd spellings, the padded captions
// and the Polish texts in the German and Italian columns are what the program has always shown.
// clang-format off
const TextRow Table[] = {
    // the menu
    menu("Plik1",      {"Plik", "File", "Datei", "File", "Fil"}),
    menu("Jezyk1",     {"Język", "Language", "Sprache", "Lingua", "Sprak"}),
    menu("Info1",      {"Info", "Info", "Info", "Info", "Info"}),
    menu("Zamknij1",   {"Zamknij", "Close", "schließen", "Chiudere", "Avslutning"}),
    menu("Polski1",    {"Polski [PL]", "Polish [PL]", "Polnisch", "Polacca", "Polska [PL]"}),
    menu("Angielski1", {"Angielski [EN]", "English [EN]", "Englisch", "Inglese", "Engelska [EN]"}),
    menu("Niemiecki1", {"Niemiecki [DE]", "German [DE]", "Deutsch", "Tedesco", "Tyska [DE]"}),
    menu("Wloski1",    {"Włoski [IT]", "Italian [IT]", "Italienisch", "Italiano", "Italienska [IT]"}),
    menu("Szwedzki",   {"Szwedzki [SE]", "Swedish [SE]", Unchanged, Unchanged, "Svenska [SE]"}),

    // the hidden method buttons
    control({"RadioButton1"}, {"Metoda obliczeniowa", "Method of calculation",
                               "Berechnungs Methode", "Metodo di calcolo", "Beräkningsmetod"}),
    control({"RadioButton2"}, {"Metoda badawcza", "Test method", "Prüfungs Methode",
                               "Metodo di laboratorio", "Forskningsmetod"}),

    // the tabs
    tab("TabSheet1", {"Okno 1-skrzydłowe", "Single leaf window", "Einflügliges Fenster",
                      "Finestra 1- anta ", "1-lufts fönster"}),
    tab("TabSheet2", {"Okno 2-skrzydłowe", "Double leaf window", "Zweiflügliges Fenster",
                      "Finestra 2-ante", "2-lufts fönster"}),
    tab("TabSheet3", {"Okno 3-skrzydłowe", "Triple leaf window", "Dreiflügliges Fenster",
                      "Finestra 3-ante", "3-lufts fönster"}),
    tab("TabSheet4", {"Fest", "Fix window", "Fest", "Vetrina", "Fast"}),
    tab("TabSheet5", {"Balkon 1-skrzydłowy", "Single leaf casament door",
                      "Einflüglige Balkontür", "Porta finestra 1-anta", "1-lufts balkongdörr"}),
    tab("TabSheet6", {"Balkon 2-skrzydłowy", "Double leaf casament door",
                      "Zweiflüglige Balkontür", "Porta finestra 2-ante", "2-lufts balkongdörr"}),

    // the header check box
    control({"cbSzybaLista"}, {"Podaj wartość U szyby", "Fill in the Ug value",
                               "Podaj wartość U szyby", "Inserire valore U il vetro",
                               "Ange G-värde"}),

    // the captions of the labelled edits
    editCaption({"leSzer1", "leSzer2", "leSzer3", "leSzer4", "leSzer5", "leSzer6"},
                {"Szerokość", "Width", "Breite", "Largezza", "Bredd"}),
    editCaption({"leWys1", "leWys2", "leWys3", "leWys4", "leWys5", "leWys6"},
                {"Wysokość", "High", "Höhe", "Altezza", "Höjd"}),
    editCaption({"leWysPrzew5", "leWysPrzew6"},
                {"Wysokość przewiązki", "High of mullion", "Wysokość przewiązki",
                 "Altezza di traverso", "Postens höjd"}),

    // the field labels of the tabs
    control({"Label1", "Label13", "Label16", "Label19", "Label22", "Label28"},
            {"System", "System", "System", "Sistema", "System"}),
    control({"Label2", "Label14", "Label17", "Label20"},
            {"Szyba", "Glass", "Scheibe", "Vetro", "Glas"}),
    control({"Label23", "Label29"}, {"Szyba 1", "Glass 1", "Scheibe 1", "Vetro 1", "Glas 1"}),
    control({"Label5", "Label6"}, {"Szyba 2", "Glass 2", "Scheibe 2", "Vetro 2", "Glas 2"}),
    control({"Label3", "Label15", "Label18", "Label21", "Label24", "Label30"},
            {"Ramka", "Frame", "Rahmen", "Distanziale", "Spacer"}),
    control({"Label11", "Label32", "Label34", "Label36", "Label38", "Label40"},
            {"U Okna :", "Window Uw :", "Uw-fensterwert :", "Uw della finestra :",
             "Fönstrets U-värde :"}),

    // the buttons, then the check boxes
    control({"Button2", "Button4", "Button6", "Button8", "Button10", "Button12"},
            {"Przelicz", "Convert", "Berechnen", "Calcola", "Beräkna"}),
    control({"Button1", "Button3", "Button5", "Button7", "Button9", "Button11"},
            {"Drukuj", "Print", "Drücken", "Stampa", "Skriva ut"}),
    control({"cbSlupRuch", "cbSlupRuch2", "cbSlupRuch3"},
            {"Słupek ruchomy", "Movable post", "Stulp", "Montante mobile", "Flyttbar mittpost"}),
    control({"cbSzyba5_R", "cbSzyba6_R"},
            {"Szyba pod przewiązką", "Glass under the mullion", "Szyba pod przewiązką",
             "Vetro sotto il traverso", "Glas under posten"}),

    // the printout's captions
    printout("QRLabel1",  {"Obliczenia cieplne", "Calculations", "Obliczenia cieplne", "Calcoli",
                           "Värmeberäkningar"}),
    printout("QRLabel7",  {"System     :", "System    :", "System     :", "Sistema    :",
                           "System     :"}),
    printout("QRLabel10", {"Ramka      :", "Frame      :", "Rahmen      :", "Distanziale:",
                           "Spacer     :"}),
    printout("QRLabel8",  {"Wymiary okna:", "Dimensions window:", "Wymiary okna:",
                           "Dimensioni finestra:", "Fönstrets matt:"}),

    // the spacer items 0 (none), 1 (steel) and 2 (plastic); the index is what counts
    spacerItem({"-", "-", "-", Unchanged, "-"}),
    spacerItem({"stalowa", "steel", "stalowa", Unchanged, "stal"}),
    spacerItem({"tworzywowa", "plastic", "tworzywowa", Unchanged, "plast"}),

    // the two notes
    note({"Wartości współczynnika U dla wyliczanego okna uzyskane metodą badawczą mogą odbiegać "
          "od prezentowanych w programie.",
          "The U value for calculated window obtained in test method may be different from "
          "those which are mentioned in this program.",
          "Wartości współczynnika U dla wyliczanego okna uzyskane metodą badawczą mogą odbiegać "
          "od prezentowanych w programie.",
          "I valori dei coefficienti U per la finestra calcolata ottenuti attraverso il metodo "
          "di laboratorio potrebbero differire da quelli presentati nel programma.",
          "Fönstrets U-värde enligt forskningsmetod kan avvika fran resultatet i programmet."}),
    note({"Stosowanie elementów ozdobnych między szybami zmienia właściwości termiczne "
          "zespolenia.",
          "Using of decorating element between glasses changes thermal values of glass unit.",
          "Stosowanie elementów ozdobnych między szybami zmienia właściwości termiczne "
          "zespolenia.",
          "L'applicazione di elementi decorativi tra i vetri cambia le proprieta' termiche "
          "della camera.",
          "Användning av dekorativa element mellan glasrutor ändrar isoleringsegenskaper pa "
          "glaspaketet."}),

    // the message and text slots
    slot(&TextSlots::MsgSzerokosc, {"Podaj szerokość", "Enter the width of the window",
                                    "Breite angeben", "Inserire la larghezza della finestra",
                                    "Ange bredd"}),
    slot(&TextSlots::MsgWysokosc, {"Podaj wysokość", "Enter the height of the window",
                                   "Höhe angeben", "Immettere l'altezza della finestra",
                                   "Ange höjd"}),
    slot(&TextSlots::MsgSystem, {"Podaj system", "Enter the system", "System wählen",
                                 "Inserire il sistema", "Ange system"}),
    slot(&TextSlots::MsgSzyba, {"Podaj szybę", "Enter the glass", "Scheibe wählen",
                                "Inserire il vetro", "Ange glas"}),
    slot(&TextSlots::MsgRamka, {"Podaj ramkę", "Enter the frame", "Rahmen wählen",
                                "Inserire il telaio", "Ange spacer"}),
    slot(&TextSlots::MsgPakiet, {"Nieodpowiedni pakiet", "Wrong package", "Nieodpowiedni pakiet",
                                 "Pachietto inadeguato", "Olämpligt glaspaket"}),
    slot(&TextSlots::MsgWysPrzew, {"Podaj wysokość przewiązki", "Give the high of mullion",
                                   "Podaj wysokość przewiązki", "Inserisci altezza di traverso",
                                   "Ange postens höjd"}),
    slot(&TextSlots::MsgWysPrzewBlad, {"Wysokość przewiązki niepoprawna",
                                       "Wrong the high of mullion",
                                       "Wysokość przewiązki niepoprawna",
                                       "Wysokość przewiązki niepoprawna",
                                       "Felaktig höjd pa posten"}),
    slot(&TextSlots::TxtPakietUzytkownika, {"Pakiet użytkownika", "Package given by the user",
                                            "Pakiet użytkownika", "Pakiet użytkownika",
                                            "Användarens paket"}),
    slot(&TextSlots::TxtSzyba,  {"Szyba      :", "Glass      :", "Scheibe    :", "Vetro      :",
                                 "Glas       :"}),
    slot(&TextSlots::TxtSzyba1, {"Szyba 1    :", "Glass 1    :", "Scheibe 1  :", "Vetro 1    :",
                                 "Glas 1     :"}),
    slot(&TextSlots::TxtSzyba2, {"Szyba 2    :", "Glass 2    :", "Scheibe 2  :", "Vetro 2    :",
                                 "Glas 2     :"}),

    // what a screen reader calls the two controls that show no caption; the Polish names are
    // the window's designed ones
    name("PageControl", {"Typ okna", "Window type", "Fenstertyp", "Tipo di finestra",
                         "Fönstertyp"}),
    name("Memo1", {"Uwagi", "Notes", "Hinweise", "Note", "Anteckningar"}),
};
// clang-format on

} // namespace

std::span<const TextRow> textTable() {
    return Table;
}

} // namespace termika
