#pragma once

#include <QString>

// SearchAnswer.txt as the window shows it.
struct ResultFile
{
    enum class State { Read, Missing, Unreadable };

    State Status = State::Missing;
    QString Text;    // every line followed by "\n": CR LF becomes LF, a last line without one gets it
    QString Reason;  // the system's reason when it could not be read
};

// Reads the whole result file into one string, decoded in the system's encoding, or as
// GB18030 where its bytes are not valid in that, so a table saved on a Chinese Windows
// system reads right. A byte-order mark chooses its Unicode encoding.
ResultFile ReadResultFile(const QString &fileName);
