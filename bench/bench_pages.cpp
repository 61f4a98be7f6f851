// How long opening a page and pressing its buttons take on the form model, and how much memory a
// page holds.
#include <QTest>
#include <atomic>
#include <cstdlib>
#include <new>

#include "shell/program.h"
#include "ui/silent_dialogs.h"
#include "ui/user.h"

namespace {

// Counts the bytes allocated while a page is built, to keep an eye on its memory. It has to be a
// global: the replaced operator new below is the only way to see every allocation.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
std::atomic<std::size_t> allocatedBytes{0};

}  // namespace

void* operator new(std::size_t size) {
    allocatedBytes += size;
    if (void* memory = std::malloc(size)) {  // NOLINT(cppcoreguidelines-no-malloc)
        return memory;
    }
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);  // NOLINT(cppcoreguidelines-no-malloc)
}
void operator delete(void* memory, std::size_t /*size*/) noexcept {
    std::free(memory);  // NOLINT(cppcoreguidelines-no-malloc)
}

using talvera::shell::PageId;

class PagesBenchmark : public QObject {
    Q_OBJECT
  private slots:
    static void pages() {
        QTest::addColumn<int>("page");
        QTest::newRow("Operations") << static_cast<int>(PageId::Operations);
        QTest::newRow("Details") << static_cast<int>(PageId::Details);
        QTest::newRow("Instructions") << static_cast<int>(PageId::Instructions);
    }
    void memoryOfPage_data() { pages(); }
    void memoryOfPage() {
        QFETCH(int, page);
        talvera::ui::SilentDialogs dialogs;
        talvera::shell::Program program(dialogs);
        const std::size_t before = allocatedBytes;
        program.show(static_cast<PageId>(page));
        qInfo("allocated to open the page: %zu bytes", allocatedBytes - before);
    }
    void openPage_data() { pages(); }
    void openPage() {
        QFETCH(int, page);
        talvera::ui::SilentDialogs dialogs;
        talvera::shell::Program program(dialogs);
        QBENCHMARK {
            program.show(static_cast<PageId>(page));
            program.close(static_cast<PageId>(page));
        }
    }
    void pressEquals_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("addition") << QStringLiteral("Adição");
        QTest::newRow("subtraction") << QStringLiteral("Subtracção");
        QTest::newRow("multiplication") << QStringLiteral("Multiplicação");
        QTest::newRow("division") << QStringLiteral("Divisão");
        QTest::newRow("simplification") << QStringLiteral("Simplificação");
        QTest::newRow("comparison") << QStringLiteral("Comparação");
        QTest::newRow("fraction to decimal") << QStringLiteral("Dízima");
        QTest::newRow("decimal to fraction") << QStringLiteral("Conversão");
    }
    void pressEquals() {
        QFETCH(QString, button);
        talvera::ui::SilentDialogs dialogs;
        talvera::shell::Program program(dialogs);
        program.show(PageId::Operations);
        talvera::ui::Control& control =
            program.form(PageId::Operations)->control(button.toStdString());
        QBENCHMARK {
            talvera::ui::user::click(control);
        }
    }
};

QTEST_APPLESS_MAIN(PagesBenchmark)
#include "bench_pages.moc"
