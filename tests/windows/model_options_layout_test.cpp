#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <algorithm>
#include <set>

#include "antenna/model_options_panel.h"
#include "support/own_settings.h"
#include "support/window_input.h"

using namespace querlin;

namespace {

// Two widgets stand on one line when their middles are within a pixel or
// two of each other, as a grid row's widgets do whatever their heights.
bool onOneLine(const QWidget* a, const QWidget* b) {
    return std::abs(a->geometry().center().y() - b->geometry().center().y()) <= 2;
}

bool isField(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr;
}

// A widget as a failure names it: by its name, or a label by its text.
QString named(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label != nullptr ? u'"' + label->text() + u'"' : widget->objectName();
}

}  // namespace

// The model's options as a person reads them on the check window's tab: two
// columns of captioned fields, each caption before its field and each unit
// after it on the same line, nothing drawn over anything else.
class ModelOptionsLayoutTest : public QObject {
    Q_OBJECT

    testing::OwnSettings settings_;

  private slots:
    void readsAsTwoColumnsOfCaptionedFields() {
        QVERIFY(settings_.hold());
        QWidget window;
        auto* panel = new ModelOptionsPanel(&window);
        window.resize(panel->sizeHint());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QList<QWidget*> widgets = panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);

        for (const QWidget* a : widgets) {
            for (const QWidget* b : widgets) {
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(named(a) + u" overlaps "_qs + named(b)));
            }
        }

        // Each caption stands just before its field; each unit just after the
        // field nearest it on its left.
        std::set<int> captionsStart;  // the left edges of the captions
        QList<const QWidget*> captioned;
        qsizetype fields = 0;
        for (const QWidget* widget : widgets) {
            const auto* label = qobject_cast<const QLabel*>(widget);
            if (label == nullptr) {
                QVERIFY2(isField(widget), qPrintable(widget->objectName()));
                ++fields;
                continue;
            }
            if (const QWidget* field = label->buddy(); field != nullptr) {
                QVERIFY2(onOneLine(label, field), qPrintable(label->text()));
                QVERIFY2(label->geometry().right() < field->geometry().left(),
                         qPrintable(label->text()));
                captionsStart.insert(label->geometry().left());
                captioned << field;
                continue;
            }
            const QWidget* before = nullptr;
            for (const QWidget* field : widgets) {
                if (isField(field) && onOneLine(field, label) &&
                    field->geometry().right() < label->geometry().left() &&
                    (before == nullptr || field->geometry().right() > before->geometry().right())) {
                    before = field;
                }
            }
            QVERIFY2(before != nullptr,
                     qPrintable(u"no field before the unit "_qs + label->text()));
        }
        QCOMPARE(captioned.size(), fields);  // every field has its caption

        // The captions start at two places, and every line holds one field of
        // each column.
        QCOMPARE(captionsStart.size(), 2U);
        for (const QWidget* field : captioned) {
            const auto beside =
                std::count_if(captioned.begin(), captioned.end(),
                              [&](const QWidget* other) { return onOneLine(field, other); });
            QVERIFY2(beside == 2, qPrintable(field->objectName()));
        }
    }

    // The named grounds read as words, their keys' hyphens blanks; the key
    // stays the choice's data, which the settings keep in every language.
    void offersTheGroundsInWords() {
        QWidget window;
        auto* panel = new ModelOptionsPanel(&window);
        const auto* grounds = testing::control<QComboBox>(panel, "ModelGround");
        int offered = 0;
        for (int i = 0; i < grounds->count(); ++i) {
            const QString key = grounds->itemData(i).toString();
            if (key != u"typed") {
                QCOMPARE(grounds->itemText(i), QString(key).replace(u'-', u' '));
                ++offered;
            }
        }
        QCOMPARE(offered, static_cast<int>(nec::namedGrounds().size()));
    }
};

QTEST_MAIN(ModelOptionsLayoutTest)
#include "model_options_layout_test.moc"
