#include "reports/report.h"

#include "reports/page.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStyle>
#include <QToolBar>

namespace termika {

QPrintPreviewDialog* Report::previewDialog() const {
    return dialog_;
}

bool Report::preview(QWidget* parent) {
    if (dialog_ && dialog_->isVisible())
        return false;
    shown_ = content();
    if (dialog_ && dialog_->parentWidget() == parent && !dialogSpeaksOldLanguage_) {
        // The dialog lays its pages out only on its first showing; the elements have changed.
        if (auto* pages = dialog_->findChild<QPrintPreviewWidget*>())
            pages->updatePreview();
    } else {
        dropPreview();
        createPreview(parent);
    }

    const QPointer<QPrintPreviewDialog> dialog = dialog_;
    QEventLoop loop;
    connect(dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    dialog->show();
    // The print handler waits here while the rest of the program goes on handling its events.
    loop.exec();
    return true;
}

bool Report::eventFilter(QObject* watched, QEvent* event) {
    // Qt tells the application of a new translation at once, its windows only later.
    if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
        dialogSpeaksOldLanguage_ = true;
    return QObject::eventFilter(watched, event);
}

void Report::dropPreview() {
    QCoreApplication::instance()->removeEventFilter(this);
    delete dialog_;
}

void Report::createPreview(QWidget* parent) {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageLayout(pageLayout());
    }
    dialog_ = new QPrintPreviewDialog(printer_.get(), parent);
    dialogSpeaksOldLanguage_ = false;
    QCoreApplication::instance()->installEventFilter(this);
    dialog_->setObjectName(objectName() + QLatin1String("Preview"));
    dialog_->setWindowModality(Qt::NonModal);
    // The pages on screen, the printed ones and the saved ones all show what the elements held
    // when the preview opened.
    connect(dialog_, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        QPainter painter(printer);
        render(painter, printableArea(*printer), shown_);
    });

    if (auto* tools = dialog_->findChild<QToolBar*>()) {
        tools->addSeparator();
        QAction* save = tools->addAction(
            dialog_->style()->standardIcon(QStyle::SP_DialogSaveButton), tr("Save as PDF"));
        save->setObjectName(QStringLiteral("SaveAsPdf"));
        connect(save, &QAction::triggered, this, &Report::saveAsPdf);
    }
}

void Report::saveAsPdf() {
    QFileDialog ask(dialog_, tr("Save as PDF"), QString(), tr("PDF files (*.pdf)"));
    ask.setAcceptMode(QFileDialog::AcceptSave);
    ask.setDefaultSuffix(QStringLiteral("pdf"));
    if (ask.exec() != QDialog::Accepted || ask.selectedFiles().isEmpty())
        return;
    const QString path = ask.selectedFiles().constFirst();
    if (!writePdf(*this, path, shown_))
        QMessageBox::critical(dialog_, QCoreApplication::applicationName(),
                              tr("Cannot write %1.").arg(path));
}

bool writePdf(const Report& report, const QString& path) {
    return writePdf(report, path, report.content());
}

bool writePdf(const Report& report, const QString& path, const ReportContent& content) {
    QPdfWriter writer(path);
    writer.setPageLayout(Report::pageLayout());
    writer.setCreator(QCoreApplication::applicationName());
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    report.render(painter, printableArea(writer), content);
    return painter.end();
}

} // namespace termika
