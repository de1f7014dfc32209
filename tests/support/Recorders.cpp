#include "Recorders.h"

#include <QTextDocument>

bool PrintRecorder::askCopies(QWidget *, int *copies)
{
    ++dialogs;
    const int answer = nextAnswer;
    nextAnswer = 1;
    answerGiven = false;
    if (answer <= 0)
        return false;
    *copies = answer;
    return true;
}

bool PrintRecorder::printJob(const QTextDocument &document)
{
    jobs << document.toPlainText();
    return true;
}
