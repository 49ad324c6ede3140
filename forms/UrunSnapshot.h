#pragma once
// What a calculation run shows and keeps, taken before the run so that a run ending in an
// error box can put it back: a failed run adds no log row and leaves the results and
// "Print" as they were.
#include <QStringList>

class RunSnapshot {
public:
    // Takes the open form's result texts, the length of ResultLog and the state of "Print".
    RunSnapshot();
    void Restore() const;

private:
    QStringList results_;
    qsizetype logRows_ = 0;
    bool printEnabled_ = false;
};
