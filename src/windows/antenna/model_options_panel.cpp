#include "antenna/model_options_panel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSettings>
#include <algorithm>
#include <cmath>

#include "antenna/check_labels.h"
#include "antenna/model_option_fields.h"
#include "conversions.h"

namespace querlin {

namespace {

// The choices' data, which the settings keep whatever the language.
const QString kTypedGround = QStringLiteral("typed");
const QString kFlat = QStringLiteral("flat");
const QString kInvertedV = QStringLiteral("inverted-v");
const QString kLossless = QStringLiteral("lossless");
const QString kCopper = QStringLiteral("copper");
const QString kInsulated = QStringLiteral("insulated");

constexpr double kMillimetresPerInch = 25.4;

// Where the options are kept: the program's settings, whatever the process's
// names, so that the tools and the window share them.
QSettings programSettings() {
    return QSettings(QStringLiteral("QUERLIN"), QStringLiteral("QUERLIN"));
}
const QString kGroup = QStringLiteral("CheckWindow/Model");
}  // namespace

ModelOptionsPanel::ModelOptionsPanel(QWidget* parent)
    : QGroupBox(
          QCoreApplication::translate("querlin::CheckWindow", "How the model hangs and is wound"),
          parent) {
    setObjectName(QStringLiteral("ModelOptions"));
    grid_ = new QGridLayout(this);
    grid_->setVerticalSpacing(kFigureSpacing);
    height_ = addField("ModelHeight",
                       QCoreApplication::translate("querlin::CheckWindow", "&Height"), 0, 0);
    height_->setPlaceholderText(QCoreApplication::translate("querlin::CheckWindow", "free space"));
    addLength(
        height_, 0, 0,
        QCoreApplication::translate("querlin::CheckWindow", "Height of the feed point over ground"),
        Length::Large);
    ground_ = addChoice("ModelGround",
                        QCoreApplication::translate("querlin::CheckWindow", "&Ground"), 0, 3);
    for (const nec::Ground& ground : nec::namedGrounds()) {
        ground_->addItem(groundShown(ground.name), QString::fromLatin1(ground.name));
    }
    ground_->addItem(QCoreApplication::translate("querlin::CheckWindow", "typed below"),
                     kTypedGround);
    ground_->setCurrentIndex(ground_->findData(QString::fromLatin1(nec::Ground{}.name)));
    ground_->setAccessibleName(
        QCoreApplication::translate("querlin::CheckWindow", "Ground under the antenna"));
    groundPermittivity_ =
        addField("ModelGroundPermittivity",
                 QCoreApplication::translate("querlin::CheckWindow", "Ground &permittivity"), 1, 0,
                 QCoreApplication::translate("querlin::CheckWindow", "relative"));
    groundPermittivity_->setAccessibleName(
        QCoreApplication::translate("querlin::CheckWindow", "Ground's relative permittivity"));
    groundConductivity_ =
        addField("ModelGroundConductivity",
                 QCoreApplication::translate("querlin::CheckWindow", "Ground &conductivity"), 1, 3,
                 QStringLiteral("S/m"));
    groundConductivity_->setAccessibleName(QCoreApplication::translate(
        "querlin::CheckWindow", "Ground's conductivity, siemens per metre"));
    shape_ = addChoice("ModelShape", QCoreApplication::translate("querlin::CheckWindow", "&Shape"),
                       2, 0);
    shape_->addItem(QCoreApplication::translate("querlin::CheckWindow", "flat"), kFlat);
    shape_->addItem(QCoreApplication::translate("querlin::CheckWindow", "inverted V"), kInvertedV);
    shape_->setAccessibleName(
        QCoreApplication::translate("querlin::CheckWindow", "Shape of the antenna"));
    apexAngle_ = addField("ModelApexAngle",
                          QCoreApplication::translate("querlin::CheckWindow", "&Apex angle"), 2, 3,
                          QStringLiteral("°"));
    apexAngle_->setAccessibleName(QCoreApplication::translate(
        "querlin::CheckWindow", "Angle between the inverted V's legs, degrees, at most 180"));
    wire_ =
        addChoice("ModelWire", QCoreApplication::translate("querlin::CheckWindow", "Wi&re"), 3, 0);
    wire_->addItem(QCoreApplication::translate("querlin::CheckWindow", "lossless"), kLossless);
    wire_->addItem(QCoreApplication::translate("querlin::CheckWindow", "copper"), kCopper);
    wire_->addItem(QCoreApplication::translate("querlin::CheckWindow", "insulated copper"),
                   kInsulated);
    wire_->setAccessibleName(
        QCoreApplication::translate("querlin::CheckWindow", "Wire of the antenna"));
    insulation_ =
        addField("ModelInsulation",
                 QCoreApplication::translate("querlin::CheckWindow", "&Insulation"), 3, 3);
    addLength(
        insulation_, 3, 3,
        QCoreApplication::translate("querlin::CheckWindow", "Thickness of the wire's insulation"),
        Length::Small);
    insulationPermittivity_ =
        addField("ModelInsulationPermittivity",
                 QCoreApplication::translate("querlin::CheckWindow", "Insulation p&ermittivity"), 4,
                 0, QCoreApplication::translate("querlin::CheckWindow", "relative"));
    insulationPermittivity_->setAccessibleName(QCoreApplication::translate(
        "querlin::CheckWindow", "Insulation's relative permittivity, PVC's 3.5 unless changed"));
    insulationPermittivity_->setText(QLocale().toString(nec::kPvcPermittivity));
    coilDiameter_ =
        addField("ModelCoilDiameter",
                 QCoreApplication::translate("querlin::CheckWindow", "Coil &diameter"), 4, 3);
    coilDiameter_->setPlaceholderText(
        QCoreApplication::translate("querlin::CheckWindow", "no coil to wind"));
    addLength(
        coilDiameter_, 4, 3,
        QCoreApplication::translate("querlin::CheckWindow",
                                    "Diameter of the coil to wind, wire centre to wire centre"),
        Length::Small);
    coilLength_ =
        addField("ModelCoilLength",
                 QCoreApplication::translate("querlin::CheckWindow", "Coil &length"), 5, 0);
    addLength(coilLength_, 5, 0,
              QCoreApplication::translate("querlin::CheckWindow", "Length of the coil to wind"),
              Length::Small);
    coilWire_ = addField("ModelCoilWire",
                         QCoreApplication::translate("querlin::CheckWindow", "Coil &wire"), 5, 3);
    addLength(
        coilWire_, 5, 3,
        QCoreApplication::translate("querlin::CheckWindow", "Wire diameter of the coil to wind"),
        Length::Small);
    restore();
    showUnits();
    enableWhatApplies();
    applied_ = snapshot();
}

QLineEdit* ModelOptionsPanel::addField(const char* name, const QString& caption, int row,
                                       int column, const QString& unit) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    // Wide enough for a number, so that the panel is no wider than the plot.
    field->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    nameField(field, caption);
    auto* label = new QLabel(rowCaption(caption), this);
    label->setBuddy(field);
    grid_->addWidget(label, row, column);
    grid_->addWidget(field, row, column + 1);
    if (!unit.isEmpty()) {
        grid_->addWidget(new QLabel(unit, this), row, column + 2);
    }
    connect(field, &QLineEdit::editingFinished, this, &ModelOptionsPanel::edited);
    return field;
}

QComboBox* ModelOptionsPanel::addChoice(const char* name, const QString& caption, int row,
                                        int column) {
    auto* choice = new QComboBox(this);
    choice->setObjectName(QLatin1String(name));
    auto* label = new QLabel(rowCaption(caption), this);
    label->setBuddy(choice);
    grid_->addWidget(label, row, column);
    grid_->addWidget(choice, row, column + 1);
    connect(choice, &QComboBox::activated, this, &ModelOptionsPanel::edited);
    return choice;
}

void ModelOptionsPanel::addLength(QLineEdit* field, int row, int column, const QString& what,
                                  Length length) {
    auto* unit = new QLabel(this);
    grid_->addWidget(unit, row, column + 2);
    lengths_.push_back({field, unit, what, length});
}

void ModelOptionsPanel::showUnits() {
    for (const LengthField& length : lengths_) {
        const bool large = length.length == Length::Large;
        length.unit->setText(large ? (metric_ ? QStringLiteral("m") : QStringLiteral("ft"))
                                   : (metric_ ? QStringLiteral("mm") : QStringLiteral("in")));
        const QString unit =
            large ? (metric_ ? QCoreApplication::translate("querlin::CheckWindow", "metres")
                             : QCoreApplication::translate("querlin::CheckWindow", "feet"))
                  : (metric_ ? QCoreApplication::translate("querlin::CheckWindow", "millimetres")
                             : QCoreApplication::translate("querlin::CheckWindow", "inches"));
        //: A field's name for a screen reader, then its unit: "Height of the feed point over
        //: ground, feet".
        length.field->setAccessibleName(
            QCoreApplication::translate("querlin::CheckWindow", "%1, %2").arg(length.what, unit));
    }
}

void ModelOptionsPanel::setMetric(bool metric) {
    if (metric == metric_) {
        return;
    }
    const QLocale locale;
    for (const LengthField& length : lengths_) {
        bool ok = false;
        const double value = locale.toDouble(length.field->text().trimmed(), &ok);
        if (!ok) {
            continue;
        }
        const double factor = length.length == Length::Large ? kMetresPerFoot : kMillimetresPerInch;
        length.field->setText(locale.toString(metric ? value * factor : value / factor, 'g', 6));
    }
    metric_ = metric;
    showUnits();
    save();
    applied_ = snapshot();
}

void ModelOptionsPanel::enableWhatApplies() {
    const bool overGround = !height_->text().trimmed().isEmpty();
    ground_->setEnabled(overGround);
    const bool typedGround = overGround && ground_->currentData() == kTypedGround;
    groundPermittivity_->setEnabled(typedGround);
    groundConductivity_->setEnabled(typedGround);
    apexAngle_->setEnabled(shape_->currentData() == kInvertedV);
    const bool insulated = wire_->currentData() == kInsulated;
    insulation_->setEnabled(insulated);
    insulationPermittivity_->setEnabled(insulated);
}

ModelChoice ModelOptionsPanel::choice() const {
    ModelChoice choice;
    nec::ModelOptions& options = choice.options;
    OptionReader read;
    if (const std::optional<double> height = read.number(height_)) {
        options.height = metric_ ? *height : *height * kMetresPerFoot;
        if (ground_->currentData() == kTypedGround) {
            options.ground = {nullptr, read.permittivity(groundPermittivity_),
                              read.required(groundConductivity_)};
        } else {
            for (const nec::Ground& ground : nec::namedGrounds()) {
                if (ground_->currentData() == QLatin1String(ground.name)) {
                    options.ground = ground;
                }
            }
        }
    }
    if (shape_->currentData() == kInvertedV) {
        options.apexAngle = read.required(apexAngle_);
        if (read.fault.isEmpty() && options.apexAngle > nec::kFlat) {
            read.fault = QCoreApplication::translate(
                             "querlin::CheckWindow",
                             "%1 takes the angle between the legs, more than 0 and at most "
                             "180 degrees (180: flat), not '%2'.")
                             .arg(nameOf(apexAngle_), apexAngle_->text().trimmed());
        }
    }
    options.copper = wire_->currentData() != kLossless;
    if (wire_->currentData() == kInsulated) {
        const double thickness = read.required(insulation_);
        options.insulation =
            nec::Insulation{metric_ ? thickness / 1000 : thickness * kMetresPerInch,
                            insulationPermittivity_->text().trimmed().isEmpty()
                                ? nec::kPvcPermittivity
                                : read.permittivity(insulationPermittivity_)};
    }
    const QLineEdit* coil[] = {coilDiameter_, coilLength_, coilWire_};
    const auto typed = std::count_if(std::begin(coil), std::end(coil), [](const QLineEdit* field) {
        return !field->text().trimmed().isEmpty();
    });
    if (typed > 0 && typed < 3 && read.fault.isEmpty()) {
        read.fault = QCoreApplication::translate(
            "querlin::CheckWindow",
            "The coil to wind takes its diameter, its length and its wire together; empty all "
            "three to model the coils as pure inductances.");
    }
    if (typed == 3) {
        QString inches[3];
        for (int i = 0; i < 3; ++i) {
            const double value = read.required(coil[i]);
            inches[i] = metric_ ? QLocale().toString(value / kMillimetresPerInch, 'g', 12)
                                : coil[i]->text().trimmed();
        }
        choice.loadingCoil = LoadingCoil{inches[0], inches[1], inches[2]};
    }
    choice.fault = read.fault;
    return choice;
}

void ModelOptionsPanel::offerCoil(const LoadingCoil& coil) {
    if (offered_ && offered_->diameter == coil.diameter && offered_->length == coil.length &&
        offered_->wire == coil.wire) {
        return;
    }
    for (const QLineEdit* field : {coilDiameter_, coilLength_, coilWire_}) {
        if (!field->text().trimmed().isEmpty()) {
            return;
        }
    }
    offered_ = coil;
    const QLocale locale;
    const auto shown = [&](const QString& inches) {
        return metric_ ? locale.toString(locale.toDouble(inches) * kMillimetresPerInch, 'g', 6)
                       : inches;
    };
    coilDiameter_->setText(shown(coil.diameter));
    coilLength_->setText(shown(coil.length));
    coilWire_->setText(shown(coil.wire));
    save();
    applied_ = snapshot();
}

QString ModelOptionsPanel::description(const ModelChoice& choice) const {
    const nec::ModelOptions& options = choice.options;
    const QString large = metric_ ? QStringLiteral("m") : QStringLiteral("ft");
    const QString small = metric_ ? QStringLiteral("mm") : QStringLiteral("in");
    const QLocale locale;
    QString where = QCoreApplication::translate("querlin::CheckWindow", "in free space");
    if (options.height) {
        const QString ground =
            options.ground.name != nullptr
                ? QCoreApplication::translate("querlin::CheckWindow", "%1 ground")
                      .arg(groundShown(options.ground.name))
                : QCoreApplication::translate("querlin::CheckWindow",
                                              "ground of relative permittivity %1 and %2 S/m")
                      .arg(locale.toString(options.ground.permittivity),
                           locale.toString(options.ground.conductivity));
        where = QCoreApplication::translate("querlin::CheckWindow", "%1 %2 over %3")
                    .arg(height_->text().trimmed(), large, ground);
    }
    const QString shape =
        options.apexAngle == nec::kFlat
            ? QCoreApplication::translate("querlin::CheckWindow", "flat")
            : QCoreApplication::translate("querlin::CheckWindow", "as an inverted V of %1°")
                  .arg(locale.toString(options.apexAngle));
    QString wire = QCoreApplication::translate("querlin::CheckWindow", "lossless wire");
    if (options.insulation) {
        wire = QCoreApplication::translate("querlin::CheckWindow", "copper wire insulated %1 %2")
                   .arg(insulation_->text().trimmed(), small);
    } else if (options.copper) {
        wire = QCoreApplication::translate("querlin::CheckWindow", "copper wire");
    }
    const QString coils =
        choice.loadingCoil
            ? QCoreApplication::translate("querlin::CheckWindow",
                                          "coils as wound on a former %1 %4 across, %2 %4 long, "
                                          "wire %3 %4")
                  .arg(coilDiameter_->text().trimmed(), coilLength_->text().trimmed(),
                       coilWire_->text().trimmed(), small)
            : QCoreApplication::translate("querlin::CheckWindow", "coils as pure inductances");
    //: How the model hangs: where, its shape, its wire and its coils, after "Modelled by nec2c".
    return QCoreApplication::translate("querlin::CheckWindow", "%1, %2, %3, %4")
        .arg(where, shape, wire, coils);
}

void ModelOptionsPanel::edited() {
    enableWhatApplies();
    save();
    const QString now = snapshot();
    if (now == applied_) {
        return;
    }
    applied_ = now;
    emit changed();
}

QString ModelOptionsPanel::snapshot() const {
    QString now;
    for (const QLineEdit* field : findChildren<QLineEdit*>()) {
        now += field->text() + u'\n';
    }
    for (const QComboBox* choice : findChildren<QComboBox*>()) {
        now += choice->currentData().toString() + u'\n';
    }
    return now;
}

void ModelOptionsPanel::save() const {
    QSettings settings = programSettings();
    settings.beginGroup(kGroup);
    settings.setValue(QStringLiteral("metric"), metric_);
    for (const QLineEdit* field : findChildren<QLineEdit*>()) {
        settings.setValue(field->objectName(), field->text());
    }
    for (const QComboBox* choice : findChildren<QComboBox*>()) {
        settings.setValue(choice->objectName(), choice->currentData());
    }
}

void ModelOptionsPanel::restore() {
    QSettings settings = programSettings();
    settings.beginGroup(kGroup);
    metric_ = settings.value(QStringLiteral("metric"), false).toBool();
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        field->setText(settings.value(field->objectName(), field->text()).toString());
    }
    for (QComboBox* choice : findChildren<QComboBox*>()) {
        const int index = choice->findData(settings.value(choice->objectName()));
        if (index >= 0) {
            choice->setCurrentIndex(index);
        }
    }
}

}  // namespace querlin
