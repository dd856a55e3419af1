#pragma once
// The spoken prompts of the exercises and the praise and reprimand phrases.
#include <QString>
#include <vector>

namespace mediagen {

struct SpokenText {
    QString name;   // relative file name, "\" separators, with ".wav"
    QString text;   // Czech sentence, UTF-8
};

// Every spoken prompt: "Zvuky\TTT\uvTTT_v-m.wav" for each exercise, each
// variant it asks for and each wording m, plus the per-level puzzle prompts
// of exercise 410 ("Zvuky\410\uv410_L-n.wav").
std::vector<SpokenText> spokenPrompts();

// Praise ("zvuky\spravne\") and the gentle phrases after a wrong answer
// ("zvuky\spatne\"). Each file is named by its phrase without the closing
// punctuation ("Ty jsi ale šikula.wav"), because the settings lists show the
// name without ".wav"; the names hold no character an INI key cannot.
std::vector<SpokenText> praisePhrases();
std::vector<SpokenText> reprimandPhrases();

} // namespace mediagen
