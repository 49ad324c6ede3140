// What the thickness table window decides for jobs where it used to contradict its own rows:
// minima that every thicker row meets, bands named, the bare row the job's own surface.
#include <QRegularExpression>

#include "support/TableWindowFixture.h"

namespace {

struct Job {
    const char* name;
    bool pipe;
    const char *diameter, *ambient, *medium, *humidity;
    int material;  // of the shipped Termora.ini: 0 elastomeric foam, 7 mineral wool
    int mode;      // 0 h typed, 1 computed indoors, 2 computed outdoors
    const char* h; // typed h, or the wind speed outdoors
    int cladding;  // -1 typed emission coefficient; 1 oxidised aluminium
    const char *limit, *maxFlow, *thicknesses;
    const char* criterion;       // the minimum looked at; none where it is not a figure
    double above = 0, below = 0; // the minimum the job called for lies between (0: no bound)
    const char* says = nullptr;  // a pattern the minima line holds; "!" first: never holds
    const char* tip = nullptr;   // a surface tip that explains rows: on `tipRows` rows, 0 any
    int tipRows = 0;
};

const Job kJobs[] = {
    {"hot limit, steep λ", true, "48.3", "20", "80", "60", 0, 0, "9", -1, "60", nullptr,
     "1.9 2 2.1 2.2 3 6", "Surface temperature limit: ", 2.1, 2.2}, // 2.0 mm used to be stated
    {"hot limit outdoors", true, "48.3", "-1.2", "192.1", "60", 7, 2, "2.1", -1, "55", nullptr,
     "4 4.4 5 5.2 5.5 6", "Surface temperature limit: "},
    {"cold pipe, 6 mm row", true, "18", "-10.4", "-43.7", "60", 0, 0, "20.19", -1, nullptr, nullptr,
     "5 5.2 5.3 6 9", "No condensation: "},
    {"cold wall, 32 mm row", false, nullptr, "20", "-25", "75", 0, 0, "9", -1, nullptr, nullptr,
     "31.9 32 40", "No condensation: "},
    // A thin band meets it, the wind's regime change fails it again; the row after the change
    // says why its surface is further from the air.
    {"wind regime change", true, "6", "23.7", "-26.4", "72", 0, 2, "0.1", 1, nullptr, nullptr,
     "20 25 32 39 40 41 42 45 50 60", "No condensation: ", 39.7, 0,
     R"(No condensation: [0-9.]+ mm \(also met from [0-9.]+ to [0-9.]+ mm\))",
     "further from the air", 1},
    // Where h has no balance the row says which side it took.
    {"wall h alternates", false, nullptr, "25", "-23", "51", 0, 1, nullptr, -1, nullptr, nullptr,
     "12 13 13.5 14 14.5 15 16", "No condensation: ", 0, 0, nullptr,
     "No surface temperature balances", 0},
    {"flow limit, bare meets", true, "48.3", "20", "80", "60", 0, 0, "9", -1, nullptr, "130",
     "1 1.8 2 6", "Maximum heat flow: ", 0, 0,
     R"(Maximum heat flow: 0\.000 mm\. Thinnest listed: bare \(still air\)\.)"},
    {"flow limit, bare fails", true, "48.3", "20", "80", "60", 0, 0, "9", -1, nullptr, "100",
     "1 1.8 2 6", "Maximum heat flow: ", 0, 0, "!Thinnest listed: bare"},
    {"beyond the search bound, never in metres", true, "48.3", "20", "80", "60", 0, 0, "9", -1,
     nullptr, "0.5", "1 1.8 2 6", nullptr, 0, 0, "Maximum heat flow: over 1000 mm"},
};

class ThicknessTableDecisionsTest : public TableWindowTest {
protected:
    static void Type(QLineEdit* field, const char* text) {
        if (field && text)
            TableWindowTest::Type(field, QString::fromUtf8(text));
    }
    void Open(const Job& job) {
        window = std::make_unique<TThicknessTableWindow>(job.pipe);
        TTableInputs& in = *window->Inputs;
        in.Material->setCurrentIndex(job.material);
        Type(in.Diameter, job.diameter);
        Type(in.Ambient, job.ambient);
        Type(in.Medium, job.medium);
        Type(in.Humidity, job.humidity);
        in.CoefficientMode->setCurrentIndex(job.mode);
        Type(job.mode == 0 ? in.Coefficient : in.WindSpeed, job.h);
        if (job.cladding >= 0)
            in.Cladding->setCurrentIndex(job.cladding);
        in.LimitOn->setChecked(job.limit);
        Type(in.Limit, job.limit);
        in.MaxFlowOn->setChecked(job.maxFlow);
        Type(in.MaxFlow, job.maxFlow);
        Type(in.Thicknesses, job.thicknesses);
        ASSERT_TRUE(window->Status->text().isEmpty()) << window->Status->text().toStdString();
    }
    // The minimum the line states for a criterion, in mm.
    double Stated(const char* criterion) const {
        const QRegularExpression number(QRegularExpression::escape(criterion) +
                                        QStringLiteral("([0-9.]+) mm"));
        const auto match = number.match(Minima());
        EXPECT_TRUE(match.hasMatch()) << Minima().toStdString();
        return match.captured(1).toDouble();
    }
    bool Meets(const Job& job, int row) const {
        const QString c = job.criterion;
        if (c.startsWith(u'N'))
            return Cell(row, M::kCondensation) == "no";
        if (c.startsWith(u'S'))
            return Cell(row, M::kSurface).toDouble() <= QString(job.limit).toDouble();
        return std::fabs(Cell(row, M::kFlowPerUnit).toDouble()) <= QString(job.maxFlow).toDouble();
    }
};

// Every row at or above the stated minimum meets it, and the chosen row is the thinnest from
// which every thicker row meets it; the minima line and the rows' tips say what was called for.
TEST_F(ThicknessTableDecisionsTest, RowsAgreeWithTheMinimaLine) {
    for (const Job& job : kJobs) {
        SCOPED_TRACE(job.name);
        Open(job);
        if (job.says) {
            const bool never = job.says[0] == '!';
            EXPECT_NE(Minima().contains(QRegularExpression(job.says + int{never})), never)
                << Minima().toStdString();
        }
        const M& m = window->ThicknessModel();
        if (job.tip) {
            int rows = 0;
            for (int row = 1; row < m.rowCount(); ++row)
                rows += Cell(row, M::kSurface, Qt::ToolTipRole).contains(QLatin1String(job.tip));
            EXPECT_TRUE(job.tipRows ? rows == job.tipRows : rows > 0) << rows;
        }
        if (!job.criterion)
            continue;
        const double stated = Stated(job.criterion);
        EXPECT_TRUE((!job.above || stated > job.above) && (!job.below || stated < job.below))
            << stated;
        int thickestFailing = -1;
        for (int row = 0; row < m.rowCount(); ++row) {
            const double mm = m.Table().Rows[row].Thickness * 1000.0;
            EXPECT_TRUE(mm < stated + 1e-9 || Meets(job, row)) << mm << " mm, minimum " << stated;
            thickestFailing = Meets(job, row) ? thickestFailing : row;
        }
        // Rows are listed thinnest first.
        EXPECT_EQ(m.Table().Chosen, thickestFailing + 1 < m.rowCount() ? thickestFailing + 1 : -1);
    }
}

TEST_F(ThicknessTableDecisionsTest, BareRowIsTheJobsOwnSurfaceOutdoors) {
    Job job = kJobs[0];
    job.limit = nullptr, job.mode = 2, job.h = "3", job.thicknesses = "6";
    Open(job);
    EXPECT_EQ(Cell(0, M::kThickness), "bare");
    // Against the same bare pipe in that wind, not in still indoor air.
    EXPECT_GT(Cell(1, M::kSaving).toDouble(), 80);
    EXPECT_GT(Cell(0, M::kCoefficient).toDouble(), 30);
    window->Inputs->CoefficientMode->setCurrentIndex(0);
    EXPECT_EQ(Cell(0, M::kThickness), "bare (still air)");
    EXPECT_TRUE(Cell(0, M::kFlow, Qt::ToolTipRole).contains("still indoor air"));
}

} // namespace
