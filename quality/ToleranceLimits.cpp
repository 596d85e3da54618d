#include "ToleranceLimits.h"

#include "ValueTexts.h"

#include <QRegularExpression>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace {

// The window and hardness-cli carry different application names; both read the window's file.
const QString kProgramFolder = QStringLiteral("hardness-tester");
const QString kLimitsKey = QStringLiteral("quality/limits");
constexpr unsigned kLastScale = 6;

int scaleCode(const QString& name)
{
    for (unsigned code = 0; code <= kLastScale; ++code) {
        if (name.compare(ScaleText(code), Qt::CaseInsensitive) == 0)
            return int(code);
    }
    return -1;
}

bool readNumber(const QString& text, std::optional<double>& number)
{
    if (text.trimmed().isEmpty())
        return true;
    bool bNumber = false;
    number = text.toDouble(&bNumber);  // C locale: a decimal point, whatever the user's locale
    return bNumber && std::isfinite(*number);
}

bool parseLimitText(const QString& item, ToleranceLimit& limit, QString& error)
{
    const int nEquals = item.indexOf(QLatin1Char('='));
    if (nEquals >= 0) {
        limit.nUnit = scaleCode(item.left(nEquals).trimmed());
        if (limit.nUnit < 0) {
            error = QStringLiteral("Unknown hardness scale in '%1': use HL, HV, HB, HRC, HS, HRB or HRA.").arg(item);
            return false;
        }
    }
    const QStringList sides = item.mid(nEquals + 1).split(QLatin1Char(':'));
    if (sides.size() != 2 || !readNumber(sides[0], limit.lower) || !readNumber(sides[1], limit.upper)) {
        error = QStringLiteral("Invalid limits '%1': use LOW:HIGH, LOW: or :HIGH, optionally after SCALE=.").arg(item);
        return false;
    }
    if (!limit.lower && !limit.upper) {
        error = QStringLiteral("The limits '%1' give neither a lower nor an upper limit.").arg(item);
        return false;
    }
    if (limit.lower && limit.upper && *limit.lower > *limit.upper) {
        error = QStringLiteral("The lower limit is above the upper one in '%1'.").arg(item);
        return false;
    }
    return true;
}

} // namespace

bool ToleranceLimit::accepts(double dValue) const
{
    return (!lower || dValue >= *lower) && (!upper || dValue <= *upper);
}

QString ToleranceLimit::text() const
{
    QString range;
    if (lower && upper)
        range = QStringLiteral("%1-%2").arg(FormatValue(*lower), FormatValue(*upper));
    else if (lower)
        range = QStringLiteral("\u2265 %1").arg(FormatValue(*lower));
    else
        range = QStringLiteral("\u2264 %1").arg(FormatValue(*upper));
    return nUnit == kAnyScale ? range : range + QLatin1Char(' ') + ScaleText(unsigned(nUnit));
}

QString ToleranceLimit::settingText() const
{
    const QString range = QStringLiteral("%1:%2").arg(lower ? FormatValue(*lower) : QString(),
                                                      upper ? FormatValue(*upper) : QString());
    return nUnit == kAnyScale ? range : ScaleText(unsigned(nUnit)) + QLatin1Char('=') + range;
}

const ToleranceLimit* ToleranceLimits::forScale(int nUnit) const
{
    const ToleranceLimit* pAny = nullptr;
    for (const ToleranceLimit& limit : limits) {
        if (limit.nUnit == nUnit)
            return &limit;
        if (limit.nUnit == ToleranceLimit::kAnyScale)
            pAny = &limit;
    }
    return pAny;
}

void ToleranceLimits::set(const ToleranceLimit& limit)
{
    const auto same = [&limit](const ToleranceLimit& other) { return other.nUnit == limit.nUnit; };
    limits.erase(std::remove_if(limits.begin(), limits.end(), same), limits.end());
    // Scale order, the limits for every scale first.
    const auto after = [&limit](const ToleranceLimit& other) { return other.nUnit > limit.nUnit; };
    limits.insert(std::find_if(limits.begin(), limits.end(), after), limit);
}

bool ToleranceLimits::parse(const QString& text, ToleranceLimits& limits, QString& error)
{
    ToleranceLimits parsed = limits;
    for (const QString& item : text.split(QRegularExpression(QStringLiteral("[;,\\s]+")), Qt::SkipEmptyParts)) {
        ToleranceLimit limit;
        if (!parseLimitText(item, limit, error))
            return false;
        parsed.set(limit);
    }
    limits = parsed;
    return true;
}

QString ToleranceLimits::toText() const
{
    QStringList texts;
    for (const ToleranceLimit& limit : limits)
        texts << limit.settingText();
    return texts.join(QLatin1Char(' '));  // ';' would start a comment in the settings file
}

ToleranceLimits ToleranceLimits::fromText(const QString& text)
{
    ToleranceLimits limits;
    QString error;
    parse(text, limits, error);
    return limits;
}

ToleranceLimits ToleranceLimits::load()
{
    const QSettings settings(kProgramFolder, kProgramFolder);
    // Commas written by hand make a list of the value there.
    return fromText(settings.value(kLimitsKey).toStringList().join(QLatin1Char(' ')));
}

void ToleranceLimits::save() const
{
    QSettings settings(kProgramFolder, kProgramFolder);
    if (isEmpty())
        settings.remove(kLimitsKey);
    else
        settings.setValue(kLimitsKey, toText());
}
