#include "MyTestDetailsDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>

namespace {

constexpr double kNoTemperature = -41.0;  // one below the least that can be entered

} // namespace

MyTestDetailsDialog::MyTestDetailsDialog(const TestDetails& current, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Test details"));
    auto* form = new QFormLayout(this);
    const auto addLine = [&](const QString& label, const QString& text) {
        auto* edit = new QLineEdit(text, this);
        edit->setAccessibleName(label);
        form->addRow(label, edit);
        return edit;
    };
    pStandard = addLine(TestDetails::fieldName(TestDetails::Standard), current.standard);
    pTestPiece = addLine(TestDetails::fieldName(TestDetails::TestPiece), current.testPiece);
    pOrder = addLine(TestDetails::fieldName(TestDetails::Order), current.order);
    pOperator = addLine(TestDetails::fieldName(TestDetails::Operator), current.operatorName);

    pTemperature = new QDoubleSpinBox(this);
    pTemperature->setRange(kNoTemperature, 200);
    pTemperature->setDecimals(1);
    pTemperature->setSuffix(QStringLiteral(" \u00B0C"));
    pTemperature->setSpecialValueText(tr("not given"));
    pTemperature->setValue(current.temperature.value_or(kNoTemperature));
    pTemperature->setAccessibleName(TestDetails::fieldName(TestDetails::Temperature));
    pTemperature->setToolTip(tr("A report gives the temperature when it is outside 10-35 °C."));
    form->addRow(pTemperature->accessibleName(), pTemperature);

    pNotes = new QPlainTextEdit(current.notes, this);
    pNotes->setAccessibleName(TestDetails::fieldName(TestDetails::Notes));
    pNotes->setPlaceholderText(tr("Deviations from the standard, anything that may have affected the result"));
    // The hint in the theme's dimmed text colour: in the text colour it would read as notes already made.
    pNotes->ensurePolished();  // the style sheet sets the field's colours when it polishes it
    QPalette dimmed = pNotes->palette();
    dimmed.setColor(QPalette::PlaceholderText, QColor(0x9D, 0xA9, 0xB5));
    pNotes->setPalette(dimmed);
    pNotes->setTabChangesFocus(true);
    form->addRow(pNotes->accessibleName(), pNotes);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    setMinimumWidth(460);
}

TestDetails MyTestDetailsDialog::details() const
{
    TestDetails entered;
    entered.standard = pStandard->text().trimmed();
    entered.testPiece = pTestPiece->text().trimmed();
    entered.order = pOrder->text().trimmed();
    entered.operatorName = pOperator->text().trimmed();
    if (pTemperature->value() > kNoTemperature)
        entered.temperature = pTemperature->value();
    entered.notes = pNotes->toPlainText().trimmed();
    return entered;
}
