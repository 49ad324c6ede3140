// The help pages: opened in the program's own viewer when the desktop has none, and
// kept true: every worked example shows what the form shows for its inputs, and the
// tables of materials and claddings are those of the shipped configuration.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

#include "CalculationFixture.h"
#include "app/AppWindows.h"
#include "app/Fhelp.h"
#include "app/Fhelpviewer.h"
#include "config/Uconfig.h"
#include "config/Utolerance.h"
#include "config/Uutils.h"
#include "forms/Ulayouts.h"

namespace {

QString HelpDir() {
    return QCoreApplication::applicationDirPath() + "/HELP";
}

QString Page(const QString& name) {
    QFile file(HelpDir() + "/" + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString Unescape(QString text) {
    return text.replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">");
}

// One row of a page's table: its class, line number, choice and the cell texts.
struct TRow {
    QString kind;
    int line = -1;
    QString choice;
    QStringList cells;
};

std::vector<TRow> TableRows(const QString& page, const QString& tableClass,
                            const QString& rowClass = {}) {
    std::vector<TRow> rows;
    const QRegularExpression table("<table class=\"" + tableClass + "\"[^>]*>(.*?)</table>",
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression row("<tr class=\"([a-z-]+)\"(?: data-line=\"(\\d+)\")?(?: "
                                 "data-choice=\"([^\"]*)\")?>(.*?)</tr>",
                                 QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression cell("<td[^>]*>(.*?)</td>",
                                  QRegularExpression::DotMatchesEverythingOption);
    const QString body = table.match(page).captured(1);
    for (auto r = row.globalMatch(body); r.hasNext();) {
        const auto m = r.next();
        TRow parsed{m.captured(1),
                    m.captured(2).isEmpty() ? -1 : m.captured(2).toInt(),
                    Unescape(m.captured(3)),
                    {}};
        for (auto c = cell.globalMatch(m.captured(4)); c.hasNext();)
            parsed.cells << Unescape(c.next().captured(1).trimmed());
        if (rowClass.isEmpty() || parsed.kind == rowClass)
            rows.push_back(parsed);
    }
    return rows;
}

int TypeOfExample(const QString& page) {
    const QRegularExpression type("<table class=\"example\" data-calculation=\"(\\d)\"");
    const auto m = type.match(page);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

class HelpPagesTest : public CalculationTest {
protected:
    void SetUp() override {
        CalculationTest::SetUp();
        const QString dir = QCoreApplication::applicationDirPath();
        Shared().ReferenceLists = TReferenceLists();
        LoadConfiguration(dir, [](const QString&) { return false; });
        LoadPipeTable(dir);
        LoadSheetTable(dir);
        seam.messages.clear();
    }

    static int Position(const QStringList& names, const QString& name) {
        return static_cast<int>(names.indexOf(name));
    }
    void Choose(TParaLine& line, const QString& choice) {
        if (line.ParaLineMaterialAvailable())
            line.MaterialSelector()->setCurrentIndex(
                Position(Items(line.MaterialSelector()), choice));
        else if (line.ParaLineMediumAvailable())
            line.SetMediumIndex(Position(Items(line.MediumSelector()), choice));
        else if (line.ParaLineFlowRateAvailable())
            line.SetFlowRateIndex(Position(FlowRateUnits(), choice));
    }
    static QStringList Items(const QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }

    // Types the example's inputs into the form of its page and presses "Calculate".
    void RunExample(int type, const std::vector<TRow>& rows) {
        Open(type, {}, -1);
        for (const TRow& row : rows) {
            if (row.kind != "input")
                continue;
            TParaLine& line = P(row.line);
            ASSERT_EQ(line.ParaLineLabelText(), row.cells.value(0)) << row.line;
            if (!row.choice.isEmpty())
                Choose(line, row.choice);
            if (line.ParaLineEditAvailable())
                line.SetParaLineEditText(row.cells.value(1));
        }
        Press();
    }
};

const char* const kCalculationPages[] = {
    "pipe_condensation.html",     "pipe_surface_temperature.html", "pipe_heat_loss.html",
    "pipe_temperature_drop.html", "pipe_freezing_time.html",       "sheet_condensation.html",
    "sheet_heat_loss.html",       "sheet_surface_temperature.html"};

TEST_F(HelpPagesTest, EveryWorkedExampleShowsWhatTheFormShows) {
    for (int type = 0; type < kCalculationTypes; ++type) {
        const QString page = Page(kCalculationPages[type]);
        ASSERT_FALSE(page.isEmpty()) << kCalculationPages[type];
        ASSERT_EQ(TypeOfExample(page), type) << kCalculationPages[type];
        const std::vector<TRow> rows = TableRows(page, "example");
        RunExample(type, rows);
        EXPECT_TRUE(Messages().isEmpty()) << type << Messages().join(u'|').toStdString();
        QStringList alternatives;
        int results = 0;
        for (const TRow& row : rows) {
            if (row.kind == "result") {
                ++results;
                EXPECT_EQ(R(row.line).ParaLineLabelText(), row.cells.value(0)) << type;
                EXPECT_EQ(Result(row.line), row.cells.value(1))
                    << kCalculationPages[type] << " result " << row.line;
            } else if (row.kind == "alternative") {
                alternatives << row.cells.value(1);
            }
        }
        EXPECT_EQ(results + (type == 4 ? 1 : 0) + (type == 2 || type == 6 ? 1 : 0),
                  FormState().ResultLines->Count())
            << kCalculationPages[type];
        if (type == 4) {
            EXPECT_EQ(alternatives, R(1).Alternatives());
        }
        form.reset();
    }
}

TEST_F(HelpPagesTest, MaterialLimitsAndEmissionCoefficientsAreTheShippedOnes) {
    const auto& lists = Shared().ReferenceLists;
    for (const char* name : kCalculationPages) {
        const QString page = Page(name);
        std::vector<TRow> materials = TableRows(page, "materials", "material");
        ASSERT_EQ(materials.size() + 1, lists.Materials.size()) << name; // but "k-factor"
        for (size_t i = 0; i < materials.size(); ++i) {
            const MaterialEntry& m = lists.Materials[i];
            EXPECT_EQ(materials[i].cells,
                      (QStringList{QString::fromStdString(m.Name), QString::number(m.MinTemp),
                                   QString::number(m.MaxTemp)}))
                << name;
        }
        std::vector<TRow> claddings = TableRows(page, "claddings", "cladding");
        ASSERT_EQ(claddings.size(), lists.Claddings.size()) << name;
        for (size_t i = 0; i < claddings.size(); ++i) {
            const CladdingEntry& c = lists.Claddings[i];
            EXPECT_EQ(claddings[i].cells.value(0), QString::fromStdString(c.Name)) << name;
            EXPECT_EQ(claddings[i].cells.value(1), FormatPattern(c.Emissivity, "#0.00")) << name;
        }
    }
}

TEST_F(HelpPagesTest, WithoutADesktopViewerThePageOpensInTheProgramsViewer) {
    seam.openSucceeds = false;
    Open(4, {});
    form->Button2->click();
    QCoreApplication::processEvents(); // the help runs after the click has been handled
    ASSERT_EQ(seam.opened.size(), 1u);
    EXPECT_TRUE(seam.dialogTitles.isEmpty()); // not the built-in text
    auto* viewer = form->findChild<THelpViewer*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->isModal());
    EXPECT_TRUE(viewer->Browser->toPlainText().contains("inside diameter"));
    EXPECT_EQ(viewer->windowTitle(), "Termora help: Freezing time of pipes");
    viewer->Cmd_Close->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->findChild<THelpViewer*>(), nullptr);
}

TEST_F(HelpPagesTest, AMissingPageStillGetsTheBuiltInText) {
    seam.openSucceeds = false;
    Shared().ReferenceLists.HelpFiles[2] = (HelpDir() + "/gone.html").toStdString();
    Open(2, {});
    form->Button2->click();
    QCoreApplication::processEvents(); // the help runs after the click has been handled
    EXPECT_TRUE(seam.opened.empty());
    EXPECT_EQ(seam.dialogTitles.size(), 1);
    EXPECT_EQ(form->findChild<THelpViewer*>(), nullptr);
}

} // namespace
