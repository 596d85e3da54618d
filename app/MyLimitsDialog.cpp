#include "MyLimitsDialog.h"

#include "ValueTexts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLastScale = 6;

QString fieldText(const std::optional<double>& number)
{
    return number ? QLocale().toString(*number, 'g', 6) : QString();
}

} // namespace

MyLimitsDialog::MyLimitsDialog(const ToleranceLimits& current, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Tolerance limits"));
    auto* grid = new QGridLayout(this);
    auto* help = new QLabel(tr("A record passes when its mean lies within the limits of its scale; a value "
                               "equal to a limit passes. Leave a side empty for a one-sided limit. The limits "
                               "of a scale take the place of those for all scales."), this);
    help->setWordWrap(true);
    grid->addWidget(help, 0, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Scale"), this), 1, 0);
    grid->addWidget(new QLabel(tr("Lower limit"), this), 1, 1);
    grid->addWidget(new QLabel(tr("Upper limit"), this), 1, 2);
    for (int nUnit = ToleranceLimit::kAnyScale; nUnit <= kLastScale; ++nUnit) {
        const int nLine = rows.size() + 2;
        const QString name = nUnit == ToleranceLimit::kAnyScale ? tr("All scales") : ScaleText(unsigned(nUnit));
        const ToleranceLimit* pLimit = current.forScale(nUnit);
        const bool bOwn = pLimit && pLimit->nUnit == nUnit;
        Row row{nUnit, new QLineEdit(bOwn ? fieldText(pLimit->lower) : QString(), this),
                new QLineEdit(bOwn ? fieldText(pLimit->upper) : QString(), this)};
        row.pLower->setAccessibleName(tr("Lower limit %1").arg(name));
        row.pUpper->setAccessibleName(tr("Upper limit %1").arg(name));
        grid->addWidget(new QLabel(name, this), nLine, 0);
        grid->addWidget(row.pLower, nLine, 1);
        grid->addWidget(row.pUpper, nLine, 2);
        rows.append(row);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* clear = buttons->addButton(tr("&Clear all"), QDialogButtonBox::ResetRole);
    connect(clear, &QPushButton::clicked, this, [this] {
        for (const Row& row : qAsConst(rows)) {
            row.pLower->clear();
            row.pUpper->clear();
        }
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &MyLimitsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MyLimitsDialog::reject);
    grid->addWidget(buttons, rows.size() + 2, 0, 1, 3);
    setMinimumWidth(460);
    // Qt would make the dialog as tall as the explanation needs unwrapped, then narrower: its
    // last lines would be cut. As tall as it needs at the width it opens with instead.
    ensurePolished();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int nWidth = std::max(minimumWidth(), std::min(sizeHint().width(), screen->availableGeometry().width() * 2 / 3));
    resize(nWidth, grid->totalHeightForWidth(nWidth));
}

bool MyLimitsDialog::readField(QLineEdit* field, std::optional<double>& number)
{
    const QString text = field->text().trimmed();
    if (text.isEmpty())
        return true;
    bool bNumber = false;
    number = QLocale().toDouble(text, &bNumber);
    if (!bNumber)
        number = text.toDouble(&bNumber);
    if (bNumber && std::isfinite(*number))
        return true;
    QMessageBox::warning(this, tr("Error"), tr("'%1' is not a number.").arg(text), QMessageBox::Ok);
    field->setFocus();
    return false;
}

void MyLimitsDialog::accept()
{
    ToleranceLimits limits;
    for (const Row& row : qAsConst(rows)) {
        ToleranceLimit limit;
        limit.nUnit = row.nUnit;
        if (!readField(row.pLower, limit.lower) || !readField(row.pUpper, limit.upper))
            return;
        if (limit.lower && limit.upper && *limit.lower > *limit.upper) {
            QMessageBox::warning(this, tr("Error"), tr("The lower limit is above the upper limit."), QMessageBox::Ok);
            row.pLower->setFocus();
            return;
        }
        if (limit.lower || limit.upper)
            limits.set(limit);
    }
    entered = limits;
    QDialog::accept();
}
