#pragma once

#include <QString>

class QIODevice;

// Shows a download's progress values (maximum flag, then records done) on standard error:
// a bar redrawn in place on a terminal, one plain line per step otherwise, so that a log
// file keeps readable lines.
class ProgressReporter
{
public:
    static constexpr int kBarWidth = 30;

    ProgressReporter(QIODevice& device, bool bTerminal, int nGroupNumber);

    void report(int nProgress);
    // Ends a bar that a failed download left half drawn, so the error gets a line of its own.
    void endLine();

private:
    void show(const QString& text);
    QString barLine() const;

    QIODevice& device;
    const bool bTerminal;
    const int nGroupNumber;
    int nMaximum = 0;
    int nDone = 0;
    bool bLineOpen = false;  // a bar is drawn and its line not yet ended
};

// Whether standard error goes to a terminal.
bool StandardErrorIsTerminal();
