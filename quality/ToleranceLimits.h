#pragma once

#include <QString>
#include <QVector>

#include <optional>

// The accepted range of one hardness scale, or of every scale. Either side may be open
// (hardness requirements often give a minimum only).
struct ToleranceLimit
{
    static constexpr int kAnyScale = -1;

    int nUnit = kAnyScale;  // scale code of the records it applies to
    std::optional<double> lower;
    std::optional<double> upper;

    // A value equal to a limit passes.
    bool accepts(double dValue) const;
    // For people: "58-62 HRC", "≥ 200 HB", "≤ 780 HL"; without a scale the numbers alone.
    QString text() const;
    // For the settings file and the command line: "HRC=58:62", "HB=200:", ":780".
    QString settingText() const;
};

// The limits in force, at most one per scale and one for every scale. A scale's own limits
// take the place of the ones for every scale.
class ToleranceLimits
{
public:
    bool isEmpty() const { return limits.isEmpty(); }
    const QVector<ToleranceLimit>& all() const { return limits; }
    // The limits a record in this scale is checked against, or null.
    const ToleranceLimit* forScale(int nUnit) const;
    // Adds the limit, or replaces the one of the same scale.
    void set(const ToleranceLimit& limit);

    // Reads entries such as "HRC=58:62 HB=200:;:780" (blanks, ';' or ',' between them, numbers
    // with a decimal point). On a bad entry returns false with a one-line error and leaves
    // limits as they were.
    static bool parse(const QString& text, ToleranceLimits& limits, QString& error);
    // The limits of text that parse reads; none for text that it does not.
    static ToleranceLimits fromText(const QString& text);
    // The entries in scale order, as parse reads them.
    QString toText() const;

    // Kept under "quality/limits" in the program's settings file, shared by the window and
    // hardness-cli. Unreadable text there counts as no limits.
    static ToleranceLimits load();
    void save() const;

private:
    QVector<ToleranceLimit> limits;
};
