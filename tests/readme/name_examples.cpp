// Prints the README's table of name examples, each row made by a real run of the main window
// over a real folder.
#include "gui/main/cserel.h"
#include "support/ShownNames.h"
#include "support/TemporaryFolder.h"
#include "support/TestProgram.h"
#include "support/WindowControls.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTextStream>

namespace {

struct Example {
    QString settings;
    QStringList files;
    QStringList clicks; // check boxes to turn over from their start state and the case button
    QString newText;
};

// The table row: the settings, the old names in list order and the names in the folder after
// the run. The jpe box is shown only when it is clicked.
QString runExample(const Example &example)
{
    TemporaryFolder folder;
    folder.createAll(example.files);
    TestProgram program;
    cserel window(program.context);
    pointMainWindowAt(window, folder.path());
    const QStringList before = shownNames(program.localFileSystem.listFiles(folder.diskPath(), "*.*").names);
    for (const QString &button : example.clicks)
        control<QAbstractButton>(window, button.toLatin1().constData())->click();
    control<QCheckBox>(window, "Check2")->setVisible(example.clicks.contains(u"Check2"));
    control<QLineEdit>(window, "Text1")->setText(example.newText);
    control<QAbstractButton>(window, "Command1")->click();
    return QStringLiteral("| %1 | %2 | %3 |\n").arg(example.settings, before.join(u", "), folder.entries().join(u", "));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QList<Example> examples = {
        {"Sorszámozás, Új név „Nyár_” (Hozzáfűzés nélkül)", {"Tenger.jpg", "Hegy.jpg", "Tó.JPG"}, {"Option1(2)"}, "Nyár_"},
        {"Sorszámozás, Hozzáfűzés, Új név „Nyár_”", {"Tenger.jpg", "Hegy.jpg", "Tó.JPG"}, {"Check4", "Option1(2)"}, "Nyár_"},
        {"Sorszámozás, Hozzáfűzés, Nagybetű, Új név „Nyár_”", {"Tenger.jpg", "Hegy.jpg"}, {"Check4", "Option1(1)"}, "Nyár_"},
        {"Sorszámozás: a név vágása", {"photo.jpeg", "README"}, {"Option1(2)"}, ""},
        {"Hozzáfűzés, Kisbetű, Új név „X_”", {"Photo.jpg"}, {"Check1", "Check4", "Option1(0)"}, "X_"},
        {"Kisbetű", {"Kép.JPG"}, {"Check1", "Option1(0)"}, ""},
        {"Nagybetű", {"Kép.JPG"}, {"Check1", "Option1(1)"}, ""},
        {"Kisbetű, Ékezetmentesítés", {"Árvíztűrő.txt", "README"}, {"Check1", "Check3", "Option1(0)"}, ""},
        {"Nagybetű, Ékezetmentesítés", {"Árvíztűrő.txt"}, {"Check1", "Check3", "Option1(1)"}, ""},
        {"Nagybetű, *.jpe átírása *.jpg-be", {"kép.jpe"}, {"Check1", "Check2", "Option1(1)"}, ""},
    };
    QTextStream out(stdout);
    out << "| Beállítás | Régi nevek | Új nevek |\n|---|---|---|\n";
    for (const Example &example : examples)
        out << runExample(example);
    return 0;
}
