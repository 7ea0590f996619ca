#include "reports/report.h"

#include "reports/page.h"

#include <QCoreApplication>
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
    if (dialog_ && dialog_->parentWidget() == parent) {
        // The dialog lays its pages out only on its first showing; the elements have changed.
        if (auto* pages = dialog_->findChild<QPrintPreviewWidget*>())
            pages->updatePreview();
    } else {
        delete dialog_;
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

void Report::createPreview(QWidget* parent) {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageLayout(pageLayout());
    }
    dialog_ = new QPrintPreviewDialog(printer_.get(), parent);
    dialog_->setObjectName(objectName() + QLatin1String("Preview"));
    dialog_->setWindowModality(Qt::NonModal);
    connect(dialog_, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        QPainter painter(printer);
        render(painter, printableArea(*printer));
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
    if (!writePdf(*this, path))
        QMessageBox::critical(dialog_, QCoreApplication::applicationName(),
                              tr("Cannot write %1.").arg(path));
}

bool writePdf(const Report& report, const QString& path) {
    QPdfWriter writer(path);
    writer.setPageLayout(Report::pageLayout());
    writer.setCreator(QCoreApplication::applicationName());
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    report.render(painter, printableArea(writer));
    return painter.end();
}

} // namespace termika
