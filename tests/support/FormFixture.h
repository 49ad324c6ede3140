#pragma once
// Calculation form tests: the start-up state with a small set of reference lists.
#include "forms/Uclasses.h"
#include "support/RecordingSeam.h"

inline void FillReferenceLists() {
    TReferenceLists& lists = Shared().ReferenceLists;
    lists.Materials = {{"Mineral wool", 0.035f, 0.0002f, -50, 250},
                       {"Kautschuk \xC3\xA4lastisch", 0.033f, 0.0001f, -200, 105},
                       {"k-factor", -99, 0, -200, 300}};
    lists.Claddings = {{"None", 0.93f}, {"Aluminium", 0.05f}};
    lists.Media = {{"Water", 1000, 4190, 335, 0}, {"Brine", 1200, 3300, 200, -20}};
}

class FormTest : public SeamTest {
protected:
    void SetUp() override {
        SeamTest::SetUp();
        ResetFormState();
        FillReferenceLists();
    }
    void TearDown() override {
        ResetFormState();
        SeamTest::TearDown();
    }
};
