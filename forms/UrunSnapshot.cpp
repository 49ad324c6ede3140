#include "forms/UrunSnapshot.h"

#include <QPushButton>

#include "forms/Fpipessheets.h"
#include "forms/Uclasses.h"

RunSnapshot::RunSnapshot() {
    const TFormState& state = FormState();
    if (state.ResultLines) {
        for (int i = 0; i < state.ResultLines->Count(); ++i) {
            const TParaLine& line = (*state.ResultLines)[i];
            results_ << (line.ParaLineEditAvailable() ? line.ParaLineEditText() : QString());
        }
    }
    logRows_ = state.ResultLog.size();
    printEnabled_ = state.Form && state.Form->Button3->isEnabled();
}

void RunSnapshot::Restore() const {
    TFormState& state = FormState();
    if (state.ResultLines && state.ResultLines->Count() == results_.size()) {
        for (int i = 0; i < results_.size(); ++i) {
            TParaLine& line = (*state.ResultLines)[i];
            if (line.ParaLineEditAvailable())
                line.SetParaLineEditText(results_[i]);
        }
    }
    while (state.ResultLog.size() > logRows_)
        state.ResultLog.removeLast();
    if (state.Form)
        state.Form->Button3->setEnabled(printEnabled_);
}
