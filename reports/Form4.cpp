#include "reports/Form4.h"

using namespace termika;

namespace {

constexpr Band Bands[] = {
    {u"QRBand1", BandKind::Title, 41.0},
    {u"QRBand2", BandKind::Detail, 91.0},
    {u"QRBand3", BandKind::PageFooter, 10.6},
};

constexpr BandKind Title = BandKind::Title;
constexpr BandKind Footer = BandKind::PageFooter;
constexpr ElementKind Picture = ElementKind::Picture;

// The captions are Polish in every language. Their blanks line the colons up in one column.
constexpr ElementSpec Elements[] = {
    {.name = u"QRImage1",
     .kind = Picture,
     .band = Title,
     .x = 2.1,
     .y = 2.1,
     .width = 59.5,
     .height = 27.8,
     .text = u":/img/logo.png"},
    {.name = u"QRLabel8", .band = Title, .x = 91.0, .y = 6.3, .text = u"Tarlen S.A."},
    {.name = u"QRLabel11", .band = Title, .x = 91.0, .y = 10.6, .text = u"L"},
    {.name = u"QRImage2",
     .kind = Picture,
     .band = Title,
     .x = 158.8,
     .y = 4.2,
     .width = 29.9,
     .height = 23.5,
     .text = u":/img/ce.bmp"},

    {.name = u"QRImage3",
     .kind = Picture,
     .x = 2.1,
     .y = 2.1,
     .width = 65.9,
     .height = 72.2,
     .text = u"okno1"},
    {.name = u"QRLabel3", .x = 80.4, .y = 6.3, .text = u"System:"},
    {.name = u"qrlSystem", .x = 95.2, .y = 6.3, .text = u"qrlSystem"},
    {.name = u"QRLabel6", .x = 80.4, .y = 12.7, .text = u"Typ      :"},
    {.name = u"qrlTyp", .x = 95.2, .y = 12.7, .text = u"qrlTyp"},
    {.name = u"QRLabel9",
     .x = 80.4,
     .y = 25.4,
     .text = u"Przepuszczalność powietrza                                 :"},
    {.name = u"qrl1", .x = 165.1, .y = 25.4, .text = u"............"},
    {.name = u"QRLabel19",
     .x = 80.4,
     .y = 31.8,
     .text = u"Wodoszczelność                                                 :"},
    {.name = u"qrl2", .x = 165.1, .y = 31.8, .text = u"............"},
    {.name = u"QRLabel7",
     .x = 80.4,
     .y = 38.1,
     .text = u"Siły operacyjne                                                    :"},
    {.name = u"qrl3", .x = 165.1, .y = 38.1, .text = u"............"},
    {.name = u"QRLabel10",
     .x = 80.4,
     .y = 44.5,
     .text = u"Odporność na obciążenie wiatrem                         :"},
    {.name = u"qrl4", .x = 165.1, .y = 44.5, .text = u"............"},
    {.name = u"QRLabel13",
     .x = 80.4,
     .y = 50.8,
     .text = u"Nośność urządzeń zabezpieczających                  :"},
    {.name = u"qrl5", .x = 165.1, .y = 50.8, .text = u"............"},
    {.name = u"QRLabel2",
     .x = 80.4,
     .y = 57.1,
     .text = u"Odporność na skręcanie statyczne                       :"},
    {.name = u"qrl6", .x = 165.1, .y = 57.1, .text = u"............"},
    {.name = u"QRLabel4",
     .x = 80.4,
     .y = 63.5,
     .text = u"Odporność na obciążenia w płaszczyźnie skrzydła :"},
    {.name = u"qrl7", .x = 165.1, .y = 63.5, .text = u"............"},
    {.name = u"QRLabel5",
     .x = 80.4,
     .y = 69.8,
     .text = u"Odporność na uderzenie                                       :"},
    {.name = u"qrl8", .x = 165.1, .y = 69.8, .text = u"............"},
    {.name = u"QRLabel18",
     .x = 80.4,
     .y = 76.2,
     .text = u"Właściwości akustyczne                                      :"},
    {.name = u"qrl9", .x = 165.1, .y = 76.2, .text = u"............"},

    {.name = u"QRLabel1",
     .band = Footer,
     .x = 188.9,
     .y = 4.2,
     .points = 8,
     .align = Qt::AlignRight,
     .text = u"Test norm."},
};

} // namespace

TForm4::TForm4(QObject* owner)
    : Report(owner, QStringLiteral("Form4"), ReportLayout{Bands, Elements}) {}
