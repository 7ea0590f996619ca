#include "reports/Form2.h"

using namespace termika;

namespace {

constexpr Band Bands[] = {
    {u"TitleBand1", BandKind::Title, 28.3},
    {u"DetailBand1", BandKind::Detail, 95.2},
    {u"QRBand1", BandKind::PageFooter, 46.6},
};

constexpr BandKind Title = BandKind::Title;
constexpr BandKind Footer = BandKind::PageFooter;
constexpr ElementKind Picture = ElementKind::Picture;

// The variable labels carry their own names until a print writes them, so a label that a print
// forgot shows up on the page.
constexpr ElementSpec Elements[] = {
    // A 26-pixel cell on the 96 dpi design screen: Arial's cell is 1.117 em, so 17.5 points.
    // Centred on the designed caption "Obliczenia", whose left edge is at 78.3.
    {.name = u"QRLabel1",
     .band = Title,
     .x = 92.7,
     .y = 4.2,
     .points = 17.5,
     .align = Qt::AlignHCenter,
     .text = u"Obliczenia"},
    {.name = u"QRImage1",
     .kind = Picture,
     .band = Title,
     .x = 143.9,
     .y = 2.1,
     .width = 44.7,
     .height = 23.5,
     .text = u":/img/logo.png"},

    {.name = u"QRImage", .kind = Picture, .x = 2.1, .y = 2.1, .width = 61.6, .height = 61.6},
    {.name = u"QRLabel7", .x = 80.4, .y = 8.5, .text = u"System     :"},
    {.name = u"qrlSystem", .x = 101.6, .y = 8.5, .text = u"qrlSystem"},
    {.name = u"QRLabel9", .x = 80.4, .y = 14.8, .text = u"QRLabel9"},
    {.name = u"qrlSzyba", .x = 101.6, .y = 14.8, .text = u"qrlSzyba"},
    {.name = u"QRLabel11", .x = 80.4, .y = 21.2, .text = u"QRLabel11"},
    {.name = u"qrlSzyba2", .x = 101.6, .y = 21.2, .text = u"qrlSzyba2"},
    {.name = u"QRLabel10", .x = 80.4, .y = 27.5, .text = u"Ramka      :"},
    {.name = u"qrlRamka", .x = 101.6, .y = 27.5, .text = u"qrlRamka"},
    {.name = u"QRLabel13", .x = 69.8, .y = 46.6, .text = u"QRLabel13"},
    {.name = u"qrlHp", .x = 80.7, .y = 46.6, .text = u"qrlHp"},
    {.name = u"QRLabel2", .x = 129.1, .y = 55.0, .text = u"Ug              :"},
    {.name = u"qrlUSzyby", .x = 152.4, .y = 55.0, .text = u"qrlUSzyby"},
    {.name = u"QRLabel5", .x = 171.4, .y = 55.0, .text = u"W/(m2*K)"},
    {.name = u"QRLabel8", .x = 8.5, .y = 69.8, .text = u"Wymiary okna:"},
    {.name = u"QRLabel4", .x = 129.1, .y = 69.8, .text = u"Uw              :"},
    {.name = u"qrlUokna", .x = 152.4, .y = 69.8, .points = 12, .bold = true, .text = u"..."},
    {.name = u"QRLabel6", .x = 171.4, .y = 69.8, .text = u"W/(m2*K)"},
    {.name = u"qrlSzer", .x = 8.5, .y = 76.2, .text = u"qrlSzer"},
    {.name = u"QRLabel3", .x = 21.2, .y = 76.2, .text = u"x"},
    {.name = u"qrlWys", .x = 25.4, .y = 76.2, .text = u"qrlWys"},

    // Centred on its designed caption (its own name), whose left edge is at 87.3.
    {.name = u"QRLMsg_1",
     .band = Footer,
     .x = 96.2,
     .y = 2.1,
     .align = Qt::AlignHCenter,
     .text = u"QRLMsg_1"},
    {.name = u"QRLabel12",
     .band = Footer,
     .x = 1.6,
     .y = 8.5,
     .width = 186.8,
     .height = 32.0,
     .align = Qt::AlignHCenter,
     .autoSize = false,
     .text = u"QRLabel12"},
    {.name = u"QRLabel14",
     .band = Footer,
     .x = 169.3,
     .y = 42.3,
     .points = 6,
     .text = u"Termika v0.1.12"},
};

} // namespace

TForm2::TForm2(QObject* owner)
    : Report(owner, QStringLiteral("Form2"), ReportLayout{Bands, Elements}) {}
