// Loading Termora.ini into the reference lists and the global settings.
#include <QDir>
#include <gtest/gtest.h>

#include "config/Uconfig.h"
#include "support/FixtureFiles.h"
#include "support/RecordingSeam.h"

namespace {

const char* const kFailed = "Read of Inifile failed! Error: ";

const QString kComplete = QStringLiteral("; sample\n"
                                         "[Material]\n"
                                         "Mat1=Foam A;0.033;0.0001;-50;105\n"
                                         "Mat2=Foam B \u00B0;0.036;0.00015;-40;85\n"
                                         "[Cladding]\n"
                                         "Clad1=Aluminium;0.05\n"
                                         "Clad2=Fe;0.28\n"
                                         "[MediumType]\n"
                                         "Med1=Water;1000;4190;334;0\n"
                                         "Med2=Glycol;1052;3550;217;-17.9\n"
                                         "[Global]\n"
                                         "FontName=DejaVu Sans\n"
                                         "CurrCharSet=204\n"
                                         "SalesAdress=Sales<CR>Street 1\n"
                                         "ShowSurfaceTemp=1\n"
                                         "HelpFileDir=Docs\n"
                                         "[HelpFiles]\n"
                                         "Help0=a.pdf\n"
                                         "Help1=b.html\n");

std::vector<std::string> Names(const auto& entries) {
    std::vector<std::string> names;
    for (const auto& e : entries)
        names.push_back(e.Name);
    return names;
}

class ConfigLoad : public SeamTest {
protected:
    FixtureDir dir;
    std::function<bool(const QString&)> fonts;

    void Load(const QString& text, TextEncoding encoding = TextEncoding::Utf8) {
        dir.WriteText("Termora.ini", text, encoding);
        LoadConfiguration(dir.Path(), fonts);
    }
    const TReferenceLists& Lists() { return Shared().ReferenceLists; }
    const TGlobalSettings& Settings() { return Shared().GlobalSettings; }
};

TEST_F(ConfigLoad, FillsListsAndSettingsFromACompleteFile) {
    Load(kComplete);
    EXPECT_TRUE(seam.messages.empty());
    ASSERT_EQ(Names(Lists().Materials),
              (std::vector<std::string>{"Foam A", "Foam B \u00B0", "k-factor"}));
    const MaterialEntry& b = Lists().Materials[1];
    EXPECT_FLOAT_EQ(b.Lambda0, 0.036f);
    EXPECT_FLOAT_EQ(b.LambdaSlope, 0.00015f);
    EXPECT_FLOAT_EQ(b.MinTemp, -40.0f);
    EXPECT_FLOAT_EQ(b.MaxTemp, 85.0f);
    const MaterialEntry& k = Lists().Materials[2];
    EXPECT_EQ(std::vector<float>({k.Lambda0, k.LambdaSlope, k.MinTemp, k.MaxTemp}),
              std::vector<float>({-99, -99, -200, 200}));
    ASSERT_EQ(Names(Lists().Claddings), (std::vector<std::string>{"None", "Aluminium", "Fe"}));
    EXPECT_FLOAT_EQ(Lists().Claddings[0].Emissivity, 0.93f);
    EXPECT_FLOAT_EQ(Lists().Claddings[1].Emissivity, 0.05f);
    ASSERT_EQ(Names(Lists().Media), (std::vector<std::string>{"Water", "Glycol"}));
    const MediumEntry& glycol = Lists().Media[1];
    EXPECT_EQ(std::vector<float>(
                  {glycol.Density, glycol.HeatCapacity, glycol.LatentHeat, glycol.FreezingTemp}),
              std::vector<float>({1052, 3550, 217, -17.9f}));
    EXPECT_EQ(Settings().FontName, "DejaVu Sans");
    EXPECT_EQ(Settings().CurrCharSet, 204);
    EXPECT_EQ(Settings().SalesAdress, "Sales<CR>Street 1");
    EXPECT_TRUE(Settings().ShowSurfaceTemp);
    EXPECT_EQ(Settings().HelpFileDir, "Docs");
    EXPECT_FLOAT_EQ(Settings().BareSteelEmissivity, 0.28f);
    const std::string docs = dir.Path().toStdString() + "/Docs/";
    EXPECT_EQ(Lists().HelpFiles, (std::vector<std::string>{docs + "a.pdf", docs + "b.html"}));
}

TEST_F(ConfigLoad, AMissingSectionGivesTheDefaults) {
    Load("[Other]\nx=1\n");
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(Names(Lists().Materials), (std::vector<std::string>{"k-factor"}));
    EXPECT_EQ(Names(Lists().Claddings), (std::vector<std::string>{"None"}));
    EXPECT_TRUE(Lists().Media.empty());
    EXPECT_TRUE(Lists().HelpFiles.empty());
    EXPECT_EQ(Settings().FontName, "Arial");
    EXPECT_EQ(Settings().CurrCharSet, 0);
    EXPECT_EQ(Settings().SalesAdress, "");
    EXPECT_FALSE(Settings().ShowSurfaceTemp);
    EXPECT_EQ(Settings().HelpFileDir, "HELP");
    EXPECT_FLOAT_EQ(Settings().BareSteelEmissivity, 0.7f);
}

TEST_F(ConfigLoad, NumberingMustBeContiguous) {
    Load("[Material]\nMat1=A;1;0;0;1\nMat2=B;1;0;0;1\nMat4=D;1;0;0;1\n");
    EXPECT_EQ(Names(Lists().Materials), (std::vector<std::string>{"A", "B", "k-factor"}));
    Load("[Material]\nMat1=A;1;0;0;1\nMat2=\nMat3=C;1;0;0;1\n");
    EXPECT_EQ(Names(Lists().Materials), (std::vector<std::string>{"A", "k-factor"}));
    Load("[HelpFiles]\nHelp1=b.html\n");
    EXPECT_TRUE(Lists().HelpFiles.empty());
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(ConfigLoad, KeysAreExactAndFoundInLaterSections) {
    Load("[Material]\nmat1=A;1;0;0;1\nMat1 = B;1;0;0;1\n");
    EXPECT_EQ(Names(Lists().Materials), (std::vector<std::string>{"k-factor"}));
    Load("[Material]\n[Cladding]\nMat1=A;1;0;0;1\n");
    EXPECT_EQ(Names(Lists().Materials), (std::vector<std::string>{"A", "k-factor"}));
}

TEST_F(ConfigLoad, FieldsAfterTheFifthAreIgnoredAndNamesKeepTheirBlanks) {
    Load("[Material]\nMat1= A ;0.03;0.0001;-50;105;extra;1\n"
         "[MediumType]\nMed1=W;1000;4190;334;0;x\n");
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(Lists().Materials[0].Name, " A ");
    EXPECT_FLOAT_EQ(Lists().Materials[0].MaxTemp, 105.0f);
    EXPECT_FLOAT_EQ(Lists().Media[0].FreezingTemp, 0.0f);
}

TEST_F(ConfigLoad, FourFieldsFailTheLoadAndKeepWhatWasRead) {
    Load("[Material]\nMat1=A;0.03;0.0001;-50;105\nMat2=B;0.03;0.0001;-50\n"
         "[Cladding]\nClad1=Fe;0.28\n");
    EXPECT_EQ(seam.Texts(), QStringList{kFailed + QStringLiteral("'' is not a valid floating "
                                                                 "point value")});
    EXPECT_EQ(seam.messages[0].kind, MessageKind::Error);
    // The user material and the bare steel's coefficient are there all the same.
    EXPECT_EQ(Names(Lists().Materials), (std::vector<std::string>{"A", "k-factor"}));
    EXPECT_TRUE(Lists().Claddings.empty());
    EXPECT_FLOAT_EQ(Settings().BareSteelEmissivity, 0.7f);
    EXPECT_EQ(Settings().FontName, "");
}

TEST_F(ConfigLoad, DecimalCommaIsRepairedExceptInFront) {
    Load("[Material]\nMat1=A;0,5;0;0;1\n");
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_FLOAT_EQ(Lists().Materials[0].Lambda0, 0.5f);
    Load("[Material]\nMat1=A;,5;0;0;1\n");
    EXPECT_EQ(seam.Texts(), QStringList{kFailed + QStringLiteral("',5' is not a valid floating "
                                                                 "point value")});
    EXPECT_EQ(Names(Lists().Materials), std::vector<std::string>{"k-factor"});
}

TEST_F(ConfigLoad, AFailureInALaterListKeepsTheEarlierOnes) {
    // Without a ";" the name is empty and the whole text is read as the emissivity.
    Load("[Material]\nMat1=A;1;0;0;1\n[Cladding]\nClad1=Fe;0.3\nClad2=Al\n"
         "[Global]\nFontName=X\n");
    EXPECT_EQ(seam.Texts(),
              QStringList{kFailed + QStringLiteral("'Al' is not a valid floating point value")});
    EXPECT_EQ(Names(Lists().Materials), (std::vector<std::string>{"A", "k-factor"}));
    EXPECT_EQ(Names(Lists().Claddings), (std::vector<std::string>{"None", "Fe"}));
    EXPECT_EQ(Settings().FontName, "");

    Load("[Global]\nFontName=X\nHelpFileDir=D\n[MediumType]\nMed1=W;1000;much;334;0\n"
         "[HelpFiles]\nHelp0=a\n");
    EXPECT_EQ(seam.Texts().last(),
              kFailed + QStringLiteral("'much' is not a valid floating point value"));
    EXPECT_EQ(Settings().FontName, "X");
    EXPECT_TRUE(Lists().Media.empty());
    EXPECT_EQ(Settings().HelpFileDir, "");
    EXPECT_TRUE(Lists().HelpFiles.empty());
}

TEST_F(ConfigLoad, TheLastCladdingNamedFeGivesTheBareSteelEmissivity) {
    Load("[Cladding]\nClad1=Fe;0.5\nClad2=Fe;0.28\nClad3=fe;0.9\nClad4=Fe ;0.9\n");
    EXPECT_FLOAT_EQ(Settings().BareSteelEmissivity, 0.28f);
    Load("[Cladding]\nClad1=Fe;0\n");
    EXPECT_FLOAT_EQ(Settings().BareSteelEmissivity, 0.7f);
    EXPECT_FLOAT_EQ(Lists().Claddings[1].Emissivity, 0.0f);
    Load("[Cladding]\nClad1=Steel;0.8\n");
    EXPECT_FLOAT_EQ(Settings().BareSteelEmissivity, 0.7f);
}

TEST_F(ConfigLoad, CharacterSetKeepsTheLowByteOfAnInteger) {
    const std::pair<const char*, int> cases[] = {{"204", 204}, {"300", 44}, {"-1", 255},
                                                 {"abc", 0},   {"1.5", 0},  {"", 0}};
    for (auto [text, expected] : cases) {
        Load(QStringLiteral("[Global]\nCurrCharSet=%1\n").arg(text));
        EXPECT_EQ(Settings().CurrCharSet, expected) << text;
    }
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(ConfigLoad, SurfaceTemperatureShowsOnlyForExactlyOne) {
    const std::pair<const char*, bool> cases[] = {
        {"1", true}, {"yes", false}, {" 1", false}, {"1 ", false}, {"0", false}};
    for (auto [text, expected] : cases) {
        Load(QStringLiteral("[Global]\nShowSurfaceTemp=%1\n").arg(text));
        EXPECT_EQ(Settings().ShowSurfaceTemp, expected) << text;
    }
}

TEST_F(ConfigLoad, AnInstalledArialUnicodeWinsOverTheFontKey) {
    QStringList asked;
    fonts = [&](const QString& family) {
        asked << family;
        return family == "Arial Unicode MS";
    };
    Load("[Global]\nFontName=DejaVu Sans\n");
    EXPECT_EQ(Settings().FontName, "Arial Unicode MS");
    EXPECT_EQ(asked, QStringList{"Arial Unicode MS"});
    fonts = [](const QString&) { return false; };
    Load("[Global]\nFontName=DejaVu Sans\n");
    EXPECT_EQ(Settings().FontName, "DejaVu Sans");
}

TEST_F(ConfigLoad, HelpPathsUseTheDefaultDirectory) {
    Load("[HelpFiles]\nHelp0=termora.html\n");
    EXPECT_EQ(Lists().HelpFiles,
              std::vector<std::string>{dir.Path().toStdString() + "/HELP/termora.html"});
}

TEST_F(ConfigLoad, AMissingFileIsReportedWithItsPathAndLeavesOnlyTheUserMaterial) {
    EXPECT_TRUE(LoadConfiguration(dir.Path(), fonts).empty());
    EXPECT_EQ(seam.Texts(),
              QStringList{kFailed + QStringLiteral("Cannot open file ") + dir.File("Termora.ini")});
    EXPECT_EQ(Names(Lists().Materials), std::vector<std::string>{"k-factor"});
    EXPECT_TRUE(Lists().Claddings.empty());
    EXPECT_FLOAT_EQ(Settings().BareSteelEmissivity, 0.7f);
}

TEST_F(ConfigLoad, ReloadingReplacesTheLists) {
    Load(kComplete);
    Load(kComplete);
    EXPECT_EQ(Lists().Materials.size(), 3u);
    EXPECT_EQ(Lists().Claddings.size(), 3u);
    EXPECT_EQ(Lists().HelpFiles.size(), 2u);
}

class ConfigEncodings : public ConfigLoad, public ::testing::WithParamInterface<TextEncoding> {};

TEST_P(ConfigEncodings, GiveTheSameLists) {
    QString text = kComplete;
    text.replace("Foam A", QStringLiteral("Schaum \u00E4 \u20AC"));
    Load(text, GetParam());
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(Names(Lists().Materials),
              (std::vector<std::string>{"Schaum \u00E4 \u20AC", "Foam B \u00B0", "k-factor"}));
    EXPECT_EQ(Names(Lists().Media), (std::vector<std::string>{"Water", "Glycol"}));
    EXPECT_EQ(Lists().HelpFiles.size(), 2u);
    EXPECT_FLOAT_EQ(Settings().BareSteelEmissivity, 0.28f);
}

INSTANTIATE_TEST_SUITE_P(AllEncodings, ConfigEncodings, ::testing::ValuesIn(kAllEncodings),
                         EncodingParamName());

class ConfigLineBreaks : public ConfigLoad,
                         public ::testing::WithParamInterface<const char16_t*> {};

TEST_P(ConfigLineBreaks, GiveTheSameLists) {
    QString text = kComplete;
    text.replace("\n", QString::fromUtf16(GetParam()));
    Load(text, TextEncoding::Utf8Bom);
    EXPECT_EQ(Lists().Materials.size(), 3u);
    EXPECT_EQ(Lists().Claddings.size(), 3u);
    EXPECT_EQ(Lists().Media.size(), 2u);
    EXPECT_EQ(Lists().HelpFiles.size(), 2u);
    EXPECT_EQ(Settings().SalesAdress, "Sales<CR>Street 1");
}

std::string LineBreakName(const ::testing::TestParamInfo<const char16_t*>& info) {
    const char* const names[] = {"CrLf", "Cr", "Lf", "LineSeparator"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(AllFour, ConfigLineBreaks,
                         ::testing::Values(u"\r\n", u"\r", u"\n", u"\u2028"), LineBreakName);

// Files that are no configuration at all: at most one message, no crash, no wait.
class ConfigBadInput : public ConfigLoad {
protected:
    void LoadBytes(const QByteArray& bytes) {
        dir.Write("Termora.ini", bytes);
        ExpectQuietLoad(seam, [&] { LoadConfiguration(dir.Path(), fonts); });
    }
};

TEST_F(ConfigBadInput, EmptyFileGivesTheFixedEntriesOnly) {
    LoadBytes("");
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(Names(Lists().Materials), (std::vector<std::string>{"k-factor"}));
    EXPECT_EQ(Names(Lists().Claddings), (std::vector<std::string>{"None"}));
}

TEST_F(ConfigBadInput, TenMegabytesOfBinary) {
    LoadBytes(RandomBytes(10 << 20, 7));
    EXPECT_EQ(Names(Lists().Claddings), (std::vector<std::string>{"None"}));
}

TEST_F(ConfigBadInput, BinaryAfterTheSectionHeader) {
    LoadBytes("[Material]\nMat1=" + RandomBytes(1 << 16, 11));
    EXPECT_EQ(seam.messages.size(), 1u);
}

TEST_F(ConfigBadInput, TenMegabytesInOneFieldGiveAShortMessage) {
    LoadBytes("[Cladding]\nClad1=;" + QByteArray(10 << 20, 'x') + "y");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_TRUE(seam.Texts()[0].startsWith(kFailed + QStringLiteral("'xxx")));
    EXPECT_TRUE(seam.Texts()[0].endsWith("xy' is not a valid floating point value"));
}

TEST_F(ConfigBadInput, TruncatedUtf16) {
    QByteArray bytes = Encode(kComplete, TextEncoding::Utf16LeBom);
    LoadBytes(bytes.left(bytes.indexOf(Encode("0.0001", TextEncoding::Utf16LeBom).mid(2)) + 1));
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(Names(Lists().Materials), std::vector<std::string>{"k-factor"});
}

TEST_F(ConfigBadInput, UnmarkedUtf16FindsNoKeys) {
    LoadBytes(Encode(kComplete, TextEncoding::Utf16LeBom).mid(2));
    EXPECT_EQ(Names(Lists().Materials), (std::vector<std::string>{"k-factor"}));
}

TEST_F(ConfigBadInput, TenMegabytesOfMaterials) {
    QString text = "[Material]\n";
    const int count = 250000; // about 10 MB
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("Mat%1=Material number %1;0.033;0.0001;-50;105\n").arg(i);
    ASSERT_GT(text.size(), 10'000'000);
    LoadBytes(text.toUtf8());
    EXPECT_TRUE(seam.messages.empty());
    ASSERT_EQ(Lists().Materials.size(), count + 1u);
    EXPECT_EQ(Lists().Materials[count - 1].Name, "Material number 250000");
}

TEST_F(ConfigBadInput, AFileThatIsADirectory) {
    ASSERT_TRUE(QDir(dir.Path()).mkdir("Termora.ini"));
    LoadConfiguration(dir.Path(), fonts);
    EXPECT_EQ(seam.Texts(),
              QStringList{kFailed + QStringLiteral("Cannot open file ") + dir.File("Termora.ini")});
}

} // namespace
