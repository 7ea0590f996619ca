#pragma once

#include "reports/layout.h"
#include "reports/page.h"

#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

class QPainter;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace termika {

class ReportLabel;
class ReportPicture;

// A one-page report: named child elements made from a layout table, one render function for
// every output, and a preview that the caller waits on.
//
// The print handlers only write texts and pictures and then preview; what the elements hold is
// what prints.
class Report : public QObject {
    Q_OBJECT
public:
    ~Report() override;

    const ReportLayout& layout() const { return layout_; }

    // The element must exist: a name that is not in the layout is a programming error.
    void setText(QStringView name, const QString& text);
    QString text(QStringView name) const;
    void setPicture(QStringView name, const QString& resourcePath);
    QString picture(QStringView name) const;

    ReportLabel* label(QStringView name) const;
    ReportPicture* pictureElement(QStringView name) const;

    // What the elements hold now.
    ReportContent content() const;

    // Draws the page into `area`, the printable area (inside the margins) in the painter's
    // coordinates, showing `content`: by default what the elements hold now. Preview, printer
    // and PDF all come here, so they cannot differ.
    void render(QPainter& painter, const QRectF& area) const;
    void render(QPainter& painter, const QRectF& area, const ReportContent& content) const;

    // Where an element lands, in millimetres from the top-left corner of the printable area of
    // an A4 page (for a label, the box its current text takes).
    QRectF elementRect(QStringView name) const;

    // Opens the preview window (non-modal, owned by `parent`) and returns when it closes; the
    // rest of the program goes on meanwhile. If a preview of this report is open already it
    // returns false at once and opens nothing: that preview keeps its pages, and printing or
    // saving from it gives those pages, whatever the elements hold by then.
    bool preview(QWidget* parent);
    // The preview window once a preview has run, for telling it apart from other windows.
    QPrintPreviewDialog* previewDialog() const;

    // A4 portrait with 10 mm margins on every side.
    static QPageLayout pageLayout();

protected:
    Report(QObject* owner, const QString& name, const ReportLayout& layout);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createPreview(QWidget* parent);
    void dropPreview();
    void saveAsPdf();

    ReportLayout layout_;
    std::vector<QObject*> elements_; // in table order, owned as children
    std::unique_ptr<QPrinter> printer_;
    QPointer<QPrintPreviewDialog> dialog_;
    // Qt's dialog sets its texts once, when it is made: after a change of Qt's translation it is
    // made anew at the next preview.
    bool dialogSpeaksOldLanguage_ = false;
    ReportContent shown_; // what the elements held when the preview laid its pages out
};

// Writes the page to a PDF file with the same render function, showing `content` (by default
// what the elements hold now); false when the file cannot be written.
bool writePdf(const Report& report, const QString& path);
bool writePdf(const Report& report, const QString& path, const ReportContent& content);

} // namespace termika
