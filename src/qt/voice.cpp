#include "qt/voice.h"

#include <QVoice>

namespace talvera::qt {

namespace {

constexpr auto engine = "speechd";

// speech-dispatcher gives espeak-ng's two Portuguese voices the languages "pt" and "pt-BR",
// which Qt both takes for Brazil's; only the voice's name tells Portugal's apart.
bool isPortugal(const QVoice& voice) {
    return voice.name().contains(QStringLiteral("Portugal"), Qt::CaseInsensitive) &&
           !voice.name().contains(QStringLiteral("Bra"), Qt::CaseInsensitive);
}

}  // namespace

Voice::Voice() {
    if (!QTextToSpeech::availableEngines().contains(QLatin1String(engine))) {
        unavailable_ =
            "A leitura em voz alta precisa do serviço de voz speech-dispatcher, que não está "
            "instalado.";
        return;
    }
    speech_ = std::make_unique<QTextToSpeech>(QString::fromLatin1(engine));
    if (speech_->state() == QTextToSpeech::Error) {
        unavailable_ = "O serviço de voz speech-dispatcher não responde.";
        return;
    }
    unavailable_ = choosePortugueseVoice();
}

std::string Voice::choosePortugueseVoice() {
    const QLocale portugal(QLocale::Portuguese, QLocale::Portugal);
    QList<QLocale> candidates{portugal};
    for (const QLocale& locale : speech_->availableLocales()) {
        if (locale.language() == QLocale::Portuguese && locale != portugal) {
            candidates.append(locale);
        }
    }
    for (const QLocale& locale : candidates) {
        if (!speech_->availableLocales().contains(locale)) {
            continue;
        }
        speech_->setLocale(locale);
        for (const QVoice& voice : speech_->availableVoices()) {
            if (locale == portugal ? !voice.name().contains(QStringLiteral("Bra"))
                                   : isPortugal(voice)) {
                speech_->setVoice(voice);
                return {};
            }
        }
    }
    return "A leitura em voz alta precisa da voz portuguesa de Portugal do espeak-ng "
           "(speech-dispatcher-espeak-ng), que não foi encontrada.";
}

// Qt speaks without waiting; stopping first makes a new sentence cut the one before it.
void Voice::say(std::string_view sentence) {
    if (!unavailable_.empty()) {
        return;
    }
    speech_->stop();
    speech_->say(QString::fromUtf8(sentence.data(), static_cast<qsizetype>(sentence.size())));
}

}  // namespace talvera::qt
