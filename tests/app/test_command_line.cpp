// What the command line decides, before any window exists and after QApplication has read its
// own options: which request, which stream gets the text, and the exit status the shell sees.
#include <QTest>

#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"

using talvera::app::Request;

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void requests_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("request");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("output");  // a part of standard output
        QTest::addColumn<QString>("error");   // a part of standard error

        const auto run = static_cast<int>(Request::Run);
        const auto help = static_cast<int>(Request::Help);
        const auto version = static_cast<int>(Request::Version);
        const auto selfTest = static_cast<int>(Request::SelfTest);
        const auto mistake = static_cast<int>(Request::Mistake);
        const QString usage = QStringLiteral("Utilização: talvera [OPÇÃO]");
        const QString tryHelp = QStringLiteral("Experimente «talvera --help»");

        QTest::newRow("nothing opens the title page") << QStringList{} << run << 0 << ""
                                                      << "";
        QTest::newRow("--help") << QStringList{"--help"} << help << 0 << usage << "";
        QTest::newRow("-h") << QStringList{"-h"} << help << 0 << usage << "";
        QTest::newRow("--version names the version given")
            << QStringList{"--version"} << version << 0 << "TALVERA 9.8\n"
            << "";
        QTest::newRow("-v") << QStringList{"-v"} << version << 0 << "GPL-3.0 ou posterior"
                            << "";
        QTest::newRow("help whatever comes with it")
            << QStringList{"--bogus", "--help"} << help << 0 << usage << "";
        QTest::newRow("--self-test") << QStringList{"--self-test"} << selfTest << 0 << ""
                                     << "";
        // Whatever else is QApplication's to read first.
        QTest::newRow("a Qt option") << QStringList{"-platform", "offscreen"} << run << 0 << ""
                                     << "";
        QTest::newRow("session restore with the self-test")
            << QStringList{"-session", "1a2b", "--self-test"} << selfTest << 0 << ""
            << "";
        // What QApplication leaves is refused.
        QTest::newRow("left: nothing") << QStringList{"left"} << run << 0 << ""
                                       << "";
        QTest::newRow("left: the self-test") << QStringList{"left", "--self-test"} << run << 0 << ""
                                             << "";
        QTest::newRow("left: unknown long option")
            << QStringList{"left", "--bogus"} << mistake << 2 << ""
            << "talvera: opção desconhecida: «--bogus».\n" + tryHelp;
        QTest::newRow("left: an option's value glued on")
            << QStringList{"left", "--version=2"} << mistake << 2 << ""
            << "«--version=2»";
        QTest::newRow("left: a file name")
            << QStringList{"left", "contas.txt"} << mistake << 2 << ""
            << "argumento inesperado: «contas.txt»; o programa não abre";
    }

    void requests() {
        QFETCH(QStringList, arguments);
        QFETCH(int, request);
        QFETCH(int, exitStatus);
        QFETCH(QString, output);
        QFETCH(QString, error);

        std::vector<std::string> texts;
        for (const QString& argument : arguments) {
            texts.push_back(argument.toStdString());
        }
        const std::vector<std::string_view> views(texts.begin(), texts.end());
        // "left" stands for what QApplication left once it read its own options.
        const auto result = arguments.value(0) == u"left"
                                ? talvera::app::refuseLeftovers({views.begin() + 1, views.end()})
                                : talvera::app::readCommandLine(views, "9.8");

        QCOMPARE(static_cast<int>(result.request), request);
        if (result.request != Request::Run && result.request != Request::SelfTest) {
            QCOMPARE(result.exitStatus, exitStatus);
        }
        // Each text goes to its own stream only: nothing on the other one.
        QCOMPARE(result.output.empty(), output.isEmpty());
        QCOMPARE(result.error.empty(), error.isEmpty());
        QVERIFY2(QString::fromStdString(result.output).contains(output), result.output.c_str());
        QVERIFY2(QString::fromStdString(result.error).contains(error), result.error.c_str());
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
