#include "antenna/check_saving.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>

#include "design/design_deck.h"
#include "fault.h"
#include "measurement/model_touchstone.h"
#include "positions/figure_lines.h"

namespace querlin {

CheckSaving::CheckSaving(const nec::EngineRuns& engines, Work work, QWidget* parent)
    : QPushButton(QCoreApplication::translate("querlin::CheckWindow", "Save"), parent),
      engines_(engines),
      work_(std::move(work)) {
    setObjectName(QStringLiteral("CheckSave"));
    setAccessibleName(QCoreApplication::translate("querlin::CheckWindow", "Save"));
    setAccessibleDescription(QCoreApplication::translate(
        "querlin::CheckWindow",
        "Saves the deck, the Touchstone files, the plot or the figures as "
        "querlin-calc writes them"));
    connect(this, &QPushButton::clicked, this, &CheckSaving::offerMenu);
}

CheckSaving::~CheckSaving() {
    for (auto* watcher : findChildren<QFutureWatcher<QByteArray>*>()) {
        watcher->disconnect();
        QFuture<QByteArray> saving = watcher->future();
        saving.cancel();
        try {
            saving.waitForFinished();
        } catch (const Fault&) {
            // A save stopped with the window has nobody to tell.
        }
    }
}

// What the menu was opened on is what it saves, whatever the engines show
// meanwhile.
void CheckSaving::offerMenu() {
    const std::optional<SavedWork> work = work_();
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("SaveMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto entry = [&](const char* text, bool available, auto save) {
        menu->addAction(QCoreApplication::translate("querlin::CheckWindow", text), this,
                        [this, work, save] { (this->*save)(*work); })
            ->setEnabled(work && available);
    };
    entry(QT_TRANSLATE_NOOP("querlin::CheckWindow", "NEC-2 deck…"), true, &CheckSaving::saveDeck);
    entry(QT_TRANSLATE_NOOP("querlin::CheckWindow", "Touchstone of the model…"), true,
          &CheckSaving::saveModel);
    entry(QT_TRANSLATE_NOOP("querlin::CheckWindow", "Touchstone of the build…"),
          work && work->build, &CheckSaving::saveBuild);
    entry(QT_TRANSLATE_NOOP("querlin::CheckWindow", "Plot as PNG or SVG…"), work && work->plot,
          &CheckSaving::savePlot);
    entry(QT_TRANSLATE_NOOP("querlin::CheckWindow", "Figures as text…"),
          work && work->checked && work->build, &CheckSaving::saveFigures);
    menu->popup(mapToGlobal(rect().bottomLeft()));
}

void CheckSaving::saveDeck(const SavedWork& work) {
    choose(
        QCoreApplication::translate("querlin::CheckWindow", "Save the NEC-2 deck"),
        QCoreApplication::translate("querlin::CheckWindow", "NEC-2 decks (*.nec)"),
        QStringLiteral("nec"), [this, work](const QString& path) {
            try {
                write(
                    path,
                    designDeck(work.antenna, work.modelled.design, work.modelled.options).toUtf8());
            } catch (const Fault& fault) {
                refuse(path, fault.message);
            }
        });
}

void CheckSaving::saveModel(const SavedWork& work) {
    choose(QCoreApplication::translate("querlin::CheckWindow", "Save the model as Touchstone"),
           QCoreApplication::translate("querlin::CheckWindow", "Touchstone files (*.s1p)"),
           QStringLiteral("s1p"), [this, work](const QString& path) {
               try {
                   run(path, [row = work.modelled,
                              ohms = work.feedlineOhms](const nec::NecEngine& engine) {
                       return measurement::modelTouchstone(row, ohms, engine);
                   });
               } catch (const Fault& fault) {
                   refuse(path, fault.message);
               }
           });
}

void CheckSaving::saveBuild(const SavedWork& work) {
    choose(QCoreApplication::translate("querlin::CheckWindow", "Save the build as Touchstone"),
           QCoreApplication::translate("querlin::CheckWindow", "Touchstone files (*.s1p)"),
           QStringLiteral("s1p"), [this, work](const QString& path) {
               try {
                   run(path, [row = work.built, build = *work.build,
                              ohms = work.feedlineOhms](const nec::NecEngine& engine) {
                       return measurement::buildTouchstone(row, build, ohms, engine);
                   });
               } catch (const Fault& fault) {
                   refuse(path, fault.message);
               }
           });
}

// An SVG where the name ends in .svg, a PNG otherwise, as querlin-calc
// --plot takes the name.
void CheckSaving::savePlot(const SavedWork& work) {
    choose(QCoreApplication::translate("querlin::CheckWindow", "Save the plot"),
           QCoreApplication::translate("querlin::CheckWindow", "PNG pictures (*.png)") + u";;"_qs +
               QCoreApplication::translate("querlin::CheckWindow", "SVG pictures (*.svg)"),
           QStringLiteral("png"), [this, plot = *work.plot](const QString& path) {
               if (QFileInfo(path).suffix().toLower() != u"svg") {
                   write(path, plotPng(plot));
                   return;
               }
               QString why;
               const QByteArray svg = plotSvg(plot, why);
               if (svg.isEmpty()) {
                   refuse(path, why);
                   return;
               }
               write(path, svg);
           });
}

// What querlin-calc check prints for the design as the window checked it,
// then what build prints for it with the coils' Q it was built with, in the
// C locale, as the command prints them by default.
void CheckSaving::saveFigures(const SavedWork& work) {
    choose(QCoreApplication::translate("querlin::CheckWindow", "Save the figures as text"),
           QCoreApplication::translate("querlin::CheckWindow", "Text files (*.txt)"),
           QStringLiteral("txt"), [this, work](const QString& path) {
               try {
                   const bool lossy = work.loss.q || work.loss.former;
                   const BuildInputs inputs{
                       {},
                       work.feedlineOhms,
                       work.loss,
                       lossy ? check::Loss::Lossy : check::lossOf(work.built.options),
                       work.loss.former.has_value(),
                       work.antenna.metric};
                   const QLocale c = QLocale::c();
                   const QStringList lines = checkLines(*work.checked, work.antenna.metric, c) +
                                             buildLines(work.built, *work.build, inputs, c);
                   write(path, (lines.join(u'\n') + u'\n').toUtf8());
               } catch (const Fault& fault) {
                   refuse(path, fault.message);
               }
           });
}

// The dialog opens over the window, which waits for it without blocking the
// others, as the plot's and the measurement's do.
void CheckSaving::choose(const QString& caption, const QString& filters, const QString& suffix,
                         std::function<void(const QString& path)> chosen) {
    auto* dialog = new QFileDialog(window(), caption, folder_, filters);
    dialog->setObjectName(QStringLiteral("SaveDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(suffix);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this, chosen = std::move(chosen)](const QString& path) {
                folder_ = QFileInfo(path).absolutePath();
                chosen(path);
            });
    dialog->open();
}

// Ahead of the check's items waiting, since a person waits for the file.
void CheckSaving::run(const QString& path, std::function<QByteArray(const nec::NecEngine&)> make) {
    auto* watcher = new QFutureWatcher<QByteArray>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, path] {
        watcher->deleteLater();
        QFuture<QByteArray> saving = watcher->future();
        try {
            saving.waitForFinished();
        } catch (const Fault& fault) {
            refuse(path, fault.message);
            return;
        }
        if (saving.resultCount() > 0) {
            write(path, saving.result());
        }
    });
    watcher->setFuture(engines_.map<QByteArray>(
        1, [make = std::move(make)](int, const nec::NecEngine& engine) { return make(engine); },
        nec::EngineRuns::Turn::First));
}

// Through a file of its own, which replaces the one named only once every
// byte is written.
void CheckSaving::write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        refuse(path, file.errorString());
    }
}

void CheckSaving::refuse(const QString& path, const QString& why) {
    auto* message = new QMessageBox(
        QMessageBox::Warning, window()->windowTitle(),
        QCoreApplication::translate("querlin::CheckWindow", "%1 could not be saved: %2")
            .arg(QDir::toNativeSeparators(path), why),
        QMessageBox::Ok, window());
    message->setObjectName(QStringLiteral("SaveFault"));
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
}

}  // namespace querlin
