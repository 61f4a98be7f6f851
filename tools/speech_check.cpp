// Says one Portuguese sentence through the program's own voice and waits until it is said: the
// check that reading aloud reaches speech-dispatcher with espeak-ng's voice of Portugal.
//   talvera-speech-check SENTENCE
#include <QCoreApplication>
#include <QTimer>
#include <iostream>

#include "qt/voice.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: talvera-speech-check SENTENCE\n";
        return 2;
    }
    talvera::qt::Voice voice;
    if (!voice.unavailable().empty()) {
        std::cerr << voice.unavailable() << '\n';
        return 1;
    }
    voice.say(argv[1]);
    // The voice does not wait; give speech-dispatcher the time to take the sentence.
    QTimer::singleShot(3000, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
