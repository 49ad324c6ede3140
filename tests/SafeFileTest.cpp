// CSV cells a spreadsheet cannot run; the writing itself is tested through the windows.
#include <gtest/gtest.h>

#include "config/SafeFile.h"

TEST(SafeFile, CsvFormulasGetAnApostropheNumbersStayNumbers) {
    for (const char* text : {"=HYPERLINK(\"x\")", "+A1", "-/-", "@SUM(A1)", "\tx", "\rx", "-"})
        EXPECT_EQ(SafeFile::CsvSafeCell(text), "'" + QString(text));
    for (const char* text : {"-12.5", "-12,5", "+3", "-1.5e-3", "-.5", "6 x 6 mm", "", "a=1"})
        EXPECT_EQ(SafeFile::CsvSafeCell(text), text);
}
