// Prints the README's table of name examples, each row made by a real run of the main window
// over a real folder.
#include "gui/main/cserel.h"
#include "gui/main/FileList.h"
#include "support/TemporaryFolder.h"
#include "support/TestProgram.h"
#include "support/WindowControls.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>

namespace {

struct Example {
    QString settings;
    QStringList files;
    QStringList ticked;  // check boxes to change from their start state
    const char *caseButton;
    QString newText;
};

// The old names in list order and the names in the folder after the run.
std::pair<QStringList, QStringList> runExample(const Example &example)
{
    TemporaryFolder folder;
    folder.createAll(example.files);
    TestProgram program;
    cserel window(program.context);
    pointMainWindowAt(window, folder.path());
    const FileList *list = control<FileList>(window, "File1");
    QStringList listed;
    for (int index = 0; index < list->count(); ++index)
        listed.append(list->model()->index(index, 0).data().toString());
    for (const QString &box : example.ticked)
        control<QCheckBox>(window, box.toLatin1().constData())->click();
    control<QCheckBox>(window, "Check2")->setVisible(example.ticked.contains(QLatin1String("Check2")));
    control<QRadioButton>(window, example.caseButton)->click();
    control<QLineEdit>(window, "Text1")->setText(example.newText);
    control<QPushButton>(window, "Command1")->click();
    return {listed, folder.entries()};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QList<Example> examples = {
        {"Sorszámozás, Új név „Nyár_” (Hozzáfűzés nélkül)", {"Tenger.jpg", "Hegy.jpg", "Tó.JPG"}, {}, "Option1(2)", "Nyár_"},
        {"Sorszámozás, Hozzáfűzés, Új név „Nyár_”", {"Tenger.jpg", "Hegy.jpg", "Tó.JPG"}, {"Check4"}, "Option1(2)", "Nyár_"},
        {"Sorszámozás, Hozzáfűzés, Nagybetű, Új név „Nyár_”", {"Tenger.jpg", "Hegy.jpg"}, {"Check4"}, "Option1(1)", "Nyár_"},
        {"Sorszámozás: a név vágása", {"photo.jpeg", "README"}, {}, "Option1(2)", ""},
        {"Hozzáfűzés, Kisbetű, Új név „X_”", {"Photo.jpg"}, {"Check1", "Check4"}, "Option1(0)", "X_"},
        {"Kisbetű", {"Kép.JPG"}, {"Check1"}, "Option1(0)", ""},
        {"Nagybetű", {"Kép.JPG"}, {"Check1"}, "Option1(1)", ""},
        {"Kisbetű, Ékezetmentesítés", {"Árvíztűrő.txt", "README"}, {"Check1", "Check3"}, "Option1(0)", ""},
        {"Nagybetű, Ékezetmentesítés", {"Árvíztűrő.txt"}, {"Check1", "Check3"}, "Option1(1)", ""},
        {"Nagybetű, *.jpe átírása *.jpg-be", {"kép.jpe"}, {"Check1", "Check2"}, "Option1(1)", ""},
    };
    QTextStream out(stdout);
    out << "| Beállítás | Régi nevek | Új nevek |\n|---|---|---|\n";
    for (const Example &example : examples) {
        const auto [before, after] = runExample(example);
        out << "| " << example.settings << " | " << before.join(QLatin1String(", ")) << " | "
            << after.join(QLatin1String(", ")) << " |\n";
    }
    return 0;
}
