#include "antenna/check_window.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>

#include "plot.h"

// The check window's plot taken elsewhere: its context menu saves it as a PNG
// or an SVG file, at the size querlin-calc writes it, or copies it.

namespace querlin {

void CheckWindow::offerPlotMenu() {
    plot_->setContextMenuPolicy(Qt::CustomContextMenu);
    // Reached with Tab, the plot takes its menu from the Menu key too.
    plot_->setFocusPolicy(Qt::StrongFocus);
    connect(plot_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        auto* menu = new QMenu(plot_);
        menu->setObjectName(QStringLiteral("PlotMenu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // What the menu was opened on is what it saves, whatever the engine
        // draws meanwhile.
        const std::optional<SweepPlot> shown = plotShown_;
        const auto entry = [&](const QString& text, auto action) {
            menu->addAction(text, this, [action, shown] { action(*shown); })
                ->setEnabled(shown.has_value());
        };
        entry(QCoreApplication::translate("querlin::CheckWindow", "Save as PNG…"),
              [this](const SweepPlot& plot) { savePlot(plot, false); });
        entry(QCoreApplication::translate("querlin::CheckWindow", "Save as SVG…"),
              [this](const SweepPlot& plot) { savePlot(plot, true); });
        entry(QCoreApplication::translate("querlin::CheckWindow", "Copy"),
              [](const SweepPlot& plot) {
                  QGuiApplication::clipboard()->setImage(plotImage(plot, 1));
              });
        menu->popup(plot_->mapToGlobal(at));
    });
}

// The dialog opens over this window, which waits for it without blocking the
// others, as the measurement's does.
void CheckWindow::savePlot(const SweepPlot& plot, bool svg) {
    auto* dialog = new QFileDialog(
        this,
        svg ? QCoreApplication::translate("querlin::CheckWindow", "Save the plot as SVG")
            : QCoreApplication::translate("querlin::CheckWindow", "Save the plot as PNG"),
        plotFolder_,
        svg ? QCoreApplication::translate("querlin::CheckWindow", "SVG pictures (*.svg)")
            : QCoreApplication::translate("querlin::CheckWindow", "PNG pictures (*.png)"));
    dialog->setObjectName(QStringLiteral("PlotDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(svg ? QStringLiteral("svg") : QStringLiteral("png"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this, plot, svg](const QString& path) {
        plotFolder_ = QFileInfo(path).absolutePath();
        QString why;
        const QByteArray bytes = svg ? plotSvg(plot, why) : plotPng(plot);
        QSaveFile file(path);
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 ||
            !file.commit()) {
            QMessageBox::warning(
                this, windowTitle(),
                QCoreApplication::translate("querlin::CheckWindow",
                                            "The plot could not be saved as %1: %2")
                    .arg(QDir::toNativeSeparators(path), why.isEmpty() ? file.errorString() : why));
        }
    });
    dialog->open();
}

}  // namespace querlin
