// Entries of Termora.ini that load but cannot be right are found, with their lines.
#include <QCoreApplication>
#include <gtest/gtest.h>

#include "app/Main.h"
#include "config/Uconfig.h"
#include "support/FixtureFiles.h"
#include "support/RecordingSeam.h"

namespace {

const auto kNoFonts = [](const QString&) { return false; };

class ConfigCheck : public SeamTest {
protected:
    FixtureDir dir;

    std::vector<TConfigFinding> Load(const QString& text) {
        dir.WriteText("Termora.ini", text);
        return LoadConfiguration(dir.Path(), kNoFonts);
    }
    // "line: key: problem" of each finding, for compact expectations.
    QStringList Found(const QString& text) {
        QStringList found;
        for (const TConfigFinding& f : Load(text))
            found << QStringLiteral("%1 %2 %3").arg(f.line).arg(f.key, f.problem);
        return found;
    }
};

TEST_F(ConfigCheck, SensibleEntriesAndTheFixedOnesPass) {
    EXPECT_TRUE(Found("[Material]\nMat1=A;0.033;0.0001;-50;105\nMat2=Flat;0.04;0;20;20\n"
                      "[Cladding]\nClad1=Black;1\nClad2=Mirror;0\n"
                      "[MediumType]\nMed1=Water;1000;4190;334;0\n")
                    .isEmpty());
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(ConfigCheck, ConductivityNotAboveZeroAtEitherLimitIsFound) {
    const QStringList found = Found("; materials\n[Material]\n"
                                    "Mat1=Falls;0.04;-0.0002;-50;250\n" // 0 at 200 °C
                                    "Mat2=Rises;0.01;0.0002;-100;100\n" // -0.01 at -100 °C
                                    "Mat3=Zero;0;0;0;100\n"
                                    "Mat4=Fine;0.035;0.0001;-50;250\n");
    ASSERT_EQ(found.size(), 3);
    EXPECT_TRUE(found[0].startsWith("3 Mat1 thermal conductivity -0.01 W/m K at 250 °C"))
        << found[0].toStdString();
    EXPECT_TRUE(found[1].startsWith("4 Mat2 thermal conductivity -0.01 W/m K at -100 °C"))
        << found[1].toStdString();
    EXPECT_TRUE(found[2].startsWith("5 Mat3 thermal conductivity 0 W/m K at 0 °C"))
        << found[2].toStdString();
}

TEST_F(ConfigCheck, ConductivityIsJudgedAtTheClampedTemperatureAsCalculated) {
    // At -200 °C the law gives -0.002, but the calculations never go below -160 °C (0.002).
    EXPECT_TRUE(Found("[Material]\nMat1=Cold;0.018;0.0001;-200;50\n").isEmpty());
    EXPECT_EQ(Found("[Material]\nMat1=Colder;0.015;0.0001;-200;50\n").size(), 1);
}

TEST_F(ConfigCheck, ReversedTemperatureLimitsAreFound) {
    const std::vector<TConfigFinding> found = Load("[Material]\nMat1=Upside;0.04;0;105;-50\n");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].name, "Upside");
    EXPECT_EQ(found[0].problem, "lowest temperature 105 °C is above highest temperature -50 °C");
    EXPECT_EQ(DescribeFinding(found[0]),
              "line 2, Mat1 (Upside): lowest temperature 105 °C is above highest temperature "
              "-50 °C");
}

TEST_F(ConfigCheck, EmissionCoefficientsOutsideZeroToOneAreFound) {
    const QStringList found =
        Found("[Cladding]\nClad1=Too much;1.2\nClad2=Fine;0.5\nClad3=Below;-0.1\n");
    EXPECT_EQ(found, (QStringList{"2 Clad1 emission coefficient 1.2 is outside 0 to 1",
                                  "4 Clad3 emission coefficient -0.1 is outside 0 to 1"}));
}

TEST_F(ConfigCheck, MediaWithoutPositiveDensityOrHeatCapacityAreFound) {
    const QStringList found = Found("[MediumType]\nMed1=Void;0;4190;334;0\n"
                                    "Med2=Odd;1000;-5;334;0\nMed3=Water;1000;4190;334;0\n"
                                    "Med4=Nothing;-1;0;0;0\n");
    EXPECT_EQ(found, (QStringList{"2 Med1 density 0 kg/m³ is not above 0",
                                  "3 Med2 specific heat capacity -5 J/kg K is not above 0",
                                  "5 Med4 density -1 kg/m³ is not above 0; specific heat "
                                  "capacity 0 J/kg K is not above 0"}));
}

TEST_F(ConfigCheck, EntriesLoadedBeforeAFailureAreCheckedToo) {
    const QStringList found = Found("[Material]\nMat1=A;0.033;0.0001;-50;105\n"
                                    "[Cladding]\nClad1=Glow;7\nClad2=Broken\n");
    EXPECT_EQ(found, QStringList{"4 Clad1 emission coefficient 7 is outside 0 to 1"});
    EXPECT_EQ(seam.messages.size(), 1u); // the failure; the findings are the caller's to show
}

TEST_F(ConfigCheck, AKeyFoundInALaterSectionGivesThatLine) {
    EXPECT_EQ(Found("[Material]\n[Other]\nMat1=Late;-1;0;0;1\n"),
              QStringList{"3 Mat1 thermal conductivity -1 W/m K at 0 °C is not above 0"});
}

// The main window shows all findings in one message and goes on with the entries.
TEST_F(ConfigCheck, StartUpShowsOneMessageNamingEachEntry) {
    dir.WriteText("Termora.ini",
                  "[Material]\nMat1=Falls;0.04;-0.001;-50;250\n"
                  "[Cladding]\nClad1=Glow;1.5\n[MediumType]\nMed1=Void;0;4190;0;0\n");
    Tfrm_Main window;
    window.FormCreate(dir.Path());
    QStringList warnings; // the thickness tables are missing here: their errors come too
    for (const RecordedMessage& m : seam.messages)
        if (m.kind == MessageKind::Warning)
            warnings << m.text;
    ASSERT_EQ(warnings.size(), 1) << seam.Texts().join('\n').toStdString();
    const QStringList lines = warnings[0].split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith("line 2, Mat1 (Falls): thermal conductivity"));
    EXPECT_EQ(lines[2], "line 4, Clad1 (Glow): emission coefficient 1.5 is outside 0 to 1");
    EXPECT_EQ(lines[3], "line 6, Med1 (Void): density 0 kg/m³ is not above 0");
    EXPECT_EQ(Shared().ReferenceLists.Materials.size(), 2u); // kept, as loaded
}

} // namespace
