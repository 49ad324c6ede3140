// The thickness table's help page and its Help button: the worked example's inputs typed
// into the real window give every number the page shows, so the page cannot go stale.
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include "engine/Economics.h"
#include "engine/ThicknessTable.h"
#include "engine/Ucalc.h"
#include "support/TableWindowFixture.h"
#include "table/TableFormat.h"
#include "table/TableOutput.h"

namespace {

QString Plain(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

// The cells of the rows of class `rowClass`, with the row's data-* attribute `key`.
std::vector<std::pair<QString, QStringList>> Rows(const QString& page, const QString& rowClass,
                                                  const QString& key) {
    std::vector<std::pair<QString, QStringList>> rows;
    const QRegularExpression row("<tr class=\"" + rowClass + "\"(?: data-" + key +
                                     "=\"([^\"]*)\")?>(.*?)</tr>",
                                 QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell("<t[dh][^>]*>(.*?)</t[dh]>",
                                         QRegularExpression::DotMatchesEverythingOption);
    for (const auto& m : row.globalMatch(page)) {
        QStringList cells;
        for (const auto& c : cell.globalMatch(m.captured(2)))
            cells << Plain(c.captured(1));
        rows.emplace_back(m.captured(1), cells);
    }
    return rows;
}

QString Marked(const QString& page, const QString& cls) {
    const QRegularExpression span("<span class=\"" + cls + "\">(.*?)</span>",
                                  QRegularExpression::DotMatchesEverythingOption);
    return Plain(span.match(page).captured(1));
}

class ThicknessTableHelp : public TableWindowTest {
protected:
    QString page = QString::fromUtf8(
        Contents(QCoreApplication::applicationDirPath() + "/HELP/thickness_table.html"));

    void Prefill(TWorkingValues&) override {} // the example types every value it needs
    // The example's inputs, each into the field of that name as the page gives it.
    void TypeExample() {
        for (const auto& [name, cells] : Rows(page, "input", "field")) {
            QWidget* field = window->Inputs->findChild<QWidget*>(name);
            ASSERT_TRUE(field) << name.toStdString();
            const QString value = cells.value(1);
            if (auto* edit = qobject_cast<QLineEdit*>(field)) {
                edit->setText(value);
            } else if (auto* box = qobject_cast<QComboBox*>(field)) {
                ASSERT_GE(box->findText(value), 0) << value.toStdString();
                box->setCurrentIndex(box->findText(value));
            } else if (auto* check = qobject_cast<QCheckBox*>(field)) {
                check->setChecked(value == "on");
            }
        }
        M& m = window->ThicknessModel();
        for (int r = 1; r < m.rowCount(); ++r)
            for (const auto& [thickness, cells] : Rows(page, "cost", "mm"))
                if (thickness + ".0" == Cell(r, 0) || thickness == Cell(r, 0))
                    m.setData(m.index(r, M::kInstalled), cells.value(1), Qt::EditRole);
        QCoreApplication::processEvents(); // a changed cost recomputes after the edit
        ASSERT_TRUE(window->Status->text().isEmpty()) << window->Status->text().toStdString();
    }
};

// Every caption, cell and minimum of the example, and the size of the difference to the
// forms' rule as the page states it for one row.
TEST_F(ThicknessTableHelp, TheWorkedExampleShowsWhatTheWindowShows) {
    ASSERT_FALSE(page.isEmpty());
    TypeExample();
    const M& m = window->ThicknessModel();
    QStringList shown; // the page's captions and rows, as the CSV gives the window's
    for (const char* rowClass : {"columns", "row"})
        for (const auto& [none, cells] : Rows(page, rowClass, "none"))
            shown << cells.join(u',');
    EXPECT_EQ(shown, CsvText(m, false).trimmed().split(u'\n'));
    EXPECT_EQ(Marked(page, "minima"), Minima());
    int row = 1;
    while (row < m.rowCount() && Cell(row, 0) != Marked(page, "compare-mm"))
        ++row;
    ASSERT_LT(row, m.rowCount()) << Marked(page, "compare-mm").toStdString();
    const ThicknessRow& solved = m.Table().Rows[static_cast<size_t>(row)];
    const TableInputsReading reading = window->Inputs->Read();
    ASSERT_TRUE(reading.inputs);
    // The surface temperature form's rule: λ at the mean of ambient and medium.
    const ThicknessTableInputs& in = *reading.inputs;
    const float outer = static_cast<float>(in.TubeDiameter + 2.0 * solved.Thickness);
    const float conductance =
        LayerConductance(in.MediumTemp, in.AmbientTemp, in.TubeDiameter, outer, in.Law, kCylinder);
    const float form =
        SurfaceTemperature(in.MediumTemp, in.AmbientTemp, conductance, solved.h, outer, kCylinder);
    const float formLambda =
        ConductivityAt(in.Law, static_cast<float>((double{in.AmbientTemp} + in.MediumTemp) / 2));
    const double factor = PresentValueFactor(in.LifeYears, in.InterestRate, in.PriceIncrease);
    for (auto [marked, value, digits] :
         {std::tuple{"compare-h", solved.h, 3},
          {"compare-table", solved.SurfaceTemp, 2},
          {"compare-form", form, 2},
          {"compare-lambda", solved.Lambda, 4},
          {"compare-form-lambda", formLambda, 4},
          {"factor", static_cast<float>(factor), 2},
          {"compare-difference", static_cast<float>(double{solved.SurfaceTemp} - form), 2}})
        EXPECT_EQ(Marked(page, marked), ::Cell(value, digits)) << marked;
}

TEST_F(ThicknessTableHelp, TheHelpButtonOpensThePage) {
    window->HelpButton->click();
    QCoreApplication::processEvents(); // the help runs after the click has been handled
    ASSERT_EQ(seam.opened.size(), 1u);
    EXPECT_TRUE(seam.opened[0].toLocalFile().endsWith("HELP/thickness_table.html"));
    EXPECT_TRUE(seam.messages.empty());
    Shared().ReferenceLists.HelpFiles.resize(9); // a configuration without the page
    window->HelpButton->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(seam.opened.size(), 1u);
    ASSERT_EQ(seam.messages.size(), 1u);
}

} // namespace
