#include "antenna/check_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include "antenna/dipole_check.h"
#include "antenna/nec_engine.h"
#include "dipole/coil_position.h"
#include "handler_fault.h"
#include "plot.h"

namespace querlin {

namespace {

// The plot at a size that leaves the window on a laptop's screen.
constexpr double kPlotScale = 0.6;

// The line the check feeds the antenna from when the window matched none, as
// querlin-calc check does.
const QString kDefaultFeedline = QStringLiteral("50");

QLabel* wrappedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

}  // namespace

CheckWindow::CheckWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CheckWindow"));
    setWindowTitle(QStringLiteral("Check with NEC-2"));
    setWindowFlag(Qt::Window);

    design_ = wrappedLabel("CheckDesign", this);
    status_ = wrappedLabel("CheckStatus", this);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("CheckProgress"));
    progress_->setAccessibleName(QStringLiteral("Progress of the check"));
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("CheckCancel"));
    cancelButton_->setAccessibleDescription(QStringLiteral("Stops the NEC-2 engine"));
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        finish(
            QStringLiteral("Cancelled. Check with NEC-2… on the main window's results starts "
                           "it again."));
    });
    auto* figures = new QWidget(this);
    figures->setObjectName(QStringLiteral("CheckFigures"));
    figureRows_ = new QFormLayout(figures);
    figureRows_->setContentsMargins(0, 0, 0, 0);
    plot_ = new QLabel(this);
    plot_->setObjectName(QStringLiteral("CheckPlot"));
    plot_->setFixedSize(kPlotSize * kPlotScale);
    plot_->setAccessibleName(QStringLiteral("Plot of every coil position"));
    plot_->setAccessibleDescription(
        QStringLiteral("Each coil's inductance by the formula and, once checked, the inductance "
                       "that nec2c finds resonant, against the coil position; under it the "
                       "frequency at which each design as built resonates."));

    auto* running = new QHBoxLayout;
    running->addWidget(progress_, 1);
    running->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(design_);
    layout->addWidget(status_);
    layout->addLayout(running);
    layout->addWidget(figures);
    layout->addWidget(plot_);
    layout->addStretch(1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    finish({});
}

CheckWindow::~CheckWindow() {
    stop();
}

void CheckWindow::check(const LastCalculation& calculation) {
    using State = LastCalculation::State;
    if (calculation == shown_ && (complete_ || engine_ != nullptr)) {
        return;
    }
    stop();
    shown_ = calculation;
    complete_ = false;
    while (figureRows_->rowCount() > 0) {
        figureRows_->removeRow(0);
    }
    plot_->clear();
    design_->clear();
    switch (calculation.state) {
        case State::None:
            finish(
                QStringLiteral("Nothing to check yet: type the frequency, the total length and "
                               "the element size in the main window and press its upper "
                               "CALCULATE. The check models the design it last calculated."));
            return;
        case State::Faulted:
            finish(
                QStringLiteral("The main window's last calculation ended in a fault: correct "
                               "its inputs and press CALCULATE, then check again."));
            return;
        case State::Calculated:
            start();
            return;
    }
}

void CheckWindow::start() {
    antenna_ = shown_.antenna;
    const bool matched = !shown_.feedline.isEmpty();
    const QString feedline = matched ? shown_.feedline : kDefaultFeedline;
    const double ohms = matched ? shown_.feedlineOhms : kDefaultFeedline.toDouble();
    const QLocale locale;
    ModelDesign design;
    sweep_.clear();
    sweepFigures_.clear();
    figures_.clear();
    try {
        design = designForModel(antenna_, feedline, locale);
    } catch (const HandlerFault& fault) {
        finish(fault.message());
        return;
    }
    try {
        Antenna position = antenna_;
        for (int percentage = kFirstPosition; percentage <= kLastPosition; ++percentage) {
            position.slider = sliderValueFor(percentage);
            sweep_.push_back(designForModel(position, feedline, locale));
        }
    } catch (const HandlerFault&) {
        // The positions before the first that cannot be designed make the plot.
    }
    design_->setText(
        QStringLiteral("%1, coils at %2 % of each half: %3 µH each.\nModelled by nec2c in free "
                       "space with lossless wire, %4 segments, fed from %5.")
            .arg(plotTitle(antenna_))
            .arg(coilPercentage(antenna_.slider))
            .arg(resultText(design.results, "inductance"))
            .arg(antenna::ModelOptions{}.segments)
            .arg(matched
                     ? QStringLiteral("the %1-ohm line matched in the main window").arg(feedline)
                     : QStringLiteral("a %1-ohm line").arg(feedline)));
    showPlot();

    progress_->setRange(0, 1 + static_cast<int>(sweep_.size()));
    progress_->setValue(0);
    progress_->setEnabled(true);
    cancelButton_->setEnabled(true);
    say(QStringLiteral("Checking the design with nec2c…"));
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    const int run = ++run_;
    engine_ = QThread::create(&CheckWindow::work, this, run, design, sweep_, ohms, cancel_);
    engine_->start();
}

void CheckWindow::work(int run, const ModelDesign& design, std::vector<ModelDesign> sweep,
                       double feedline, const std::shared_ptr<std::atomic<bool>>& cancel) {
    const antenna::NecEngine engine(antenna::NecEngine::defaultProgram(),
                                    [cancel] { return cancel->load(); });
    try {
        antenna::Figures figures = checkFigures(design, {}, feedline, engine);
        post(run, [this, figures] { showFigures(figures); });
        std::vector<antenna::Figures> swept(sweep.size());
        std::atomic<int> done = 0;
        antenna::forEachConcurrently(static_cast<int>(sweep.size()), [&](int i) {
            swept[i] = checkFigures(sweep[i], {}, feedline, engine);
            const int checked = ++done;
            post(run, [this, checked] {
                progress_->setValue(1 + checked);
                say(QStringLiteral("Checking every coil position for the plot: %1 of %2…")
                        .arg(checked)
                        .arg(sweep_.size()));
            });
        });
        post(run, [this, swept] {
            sweepFigures_ = swept;
            showPlot();
            complete_ = true;
            finish(QStringLiteral("Checked with nec2c."));
        });
    } catch (const antenna::NecCancelled&) {
        // The window that asked for the stop has said so already.
    } catch (const antenna::NecError& error) {
        post(run, [this, message = error.message] { finish(message); });
    }
}

void CheckWindow::post(int run, std::function<void()> change) {
    QMetaObject::invokeMethod(
        this,
        [this, run, change = std::move(change)] {
            if (run == run_) {
                change();
            }
        },
        Qt::QueuedConnection);
}

void CheckWindow::stop() {
    if (engine_ == nullptr) {
        return;
    }
    cancel_->store(true);
    engine_->wait();
    delete engine_;
    engine_ = nullptr;
    // What the stopped run posted but the window has not yet taken is dropped.
    ++run_;
}

void CheckWindow::showFigures(const antenna::Figures& figures) {
    figures_ = figures;
    const QLocale locale;
    for (const antenna::Figure& figure : figures) {
        auto* value = new QLabel(antenna::figureText(figure, locale, true));
        value->setObjectName(QLatin1String(figure.name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        const QString label = antenna::figureLabel(figure);
        value->setAccessibleName(label + QStringLiteral(": ") + value->text());
        figureRows_->addRow(label + u':', value);
    }
    progress_->setValue(1);
    say(QStringLiteral("Checking every coil position for the plot…"));
}

void CheckWindow::showPlot() {
    if (sweep_.empty()) {
        plot_->clear();
        return;
    }
    const bool checked = sweepFigures_.size() == sweep_.size();
    SweepPlot plot{plotTitle(antenna_), sweep_.front().dipole.frequency, checked, {}, {}, {}, {}};
    const int worked = coilPercentage(antenna_.slider);
    for (std::size_t i = 0; i < sweep_.size(); ++i) {
        const int position = kFirstPosition + static_cast<int>(i);
        const antenna::Figures none;
        const antenna::Figures& figures = checked ? sweepFigures_[i] : none;
        plot.points.push_back(sweepPoint(position, sweep_[i], figures));
        if (position == worked) {
            markWorked(plot, position, sweep_[i], checked ? figures : figures_, QLocale());
        }
    }
    plot_->setPixmap(QPixmap::fromImage(plotImage(plot, kPlotScale)));
}

void CheckWindow::finish(const QString& status) {
    stop();
    progress_->setEnabled(false);
    cancelButton_->setEnabled(false);
    say(status);
}

void CheckWindow::say(const QString& status) {
    status_->setText(status);
    status_->setVisible(!status.isEmpty());
}

}  // namespace querlin
