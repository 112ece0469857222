#pragma once

#include <QGroupBox>
#include <optional>
#include <vector>

#include "nec/nec_model.h"
#include "positions/position_sweep.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace querlin {

// The model's options as the panel reads them: what the engine models and
// the coil to wind, or, where a field does not read, why, naming the field.
struct ModelChoice {
    nec::ModelOptions options;
    // Its former and wire in inches, as the coil window takes them; none for
    // coils modelled as pure inductances.
    std::optional<LoadingCoil> loadingCoil;
    QString fault;  // empty when every field reads
};

// How the antenna is modelled: its height over the ground and the ground, its
// shape, its wire and the coil to wind. Lengths are in the design's units:
// feet and inches, or metres and millimetres. The options are kept between
// runs of the program; a change, once a field is left or a choice made, is
// told.
class ModelOptionsPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit ModelOptionsPanel(QWidget* parent);

    // Takes the design's units, the lengths typed turned into them.
    void setMetric(bool metric);
    bool isMetric() const { return metric_; }
    ModelChoice choice() const;
    // The coil window's former and wire, in inches, where no coil to wind is
    // typed here and that former was not offered before.
    void offerCoil(const LoadingCoil& coil);
    // What is modelled, in words, for the window's description of the design.
    QString description(const ModelChoice& choice) const;

  signals:
    // An option changed, which the model takes from now on.
    void changed();

  private:
    // A length in the design's units: feet or metres (Large), inches or
    // millimetres.
    enum class Length { Large, Small };
    struct LengthField {
        QLineEdit* field;
        QLabel* unit;
        QString what;  // what it is, before its unit, for a screen reader
        Length length;
    };

    QLineEdit* addField(const char* name, const QString& caption, int row, int column,
                        const QString& unit = {});
    QComboBox* addChoice(const char* name, const QString& caption, int row, int column);
    void addLength(QLineEdit* field, int row, int column, const QString& what, Length length);
    void showUnits();
    void enableWhatApplies();
    void edited();
    // The fields and choices as they stand, to tell a change from none.
    QString snapshot() const;
    void save() const;
    void restore();

    QGridLayout* grid_;
    bool metric_ = false;
    QString applied_;  // the options as last told, to tell only a change
    std::optional<LoadingCoil> offered_;

    QLineEdit* height_;
    QComboBox* ground_;
    QLineEdit* groundPermittivity_;
    QLineEdit* groundConductivity_;
    QComboBox* shape_;
    QLineEdit* apexAngle_;
    QComboBox* wire_;
    QLineEdit* insulation_;
    QLineEdit* insulationPermittivity_;
    QLineEdit* coilDiameter_;
    QLineEdit* coilLength_;
    QLineEdit* coilWire_;
    std::vector<LengthField> lengths_;
};

}  // namespace querlin
