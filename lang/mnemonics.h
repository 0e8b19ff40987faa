#pragma once

#include <string>
#include <vector>

namespace kortavex {

// Gives each label of one menu (or of the menu bar) a mnemonic ("&" before a
// letter or digit) that no other label of `labels` uses, whatever their
// language: a label's own mnemonic stays, the others take the first free
// letter that starts a word, else any free letter. Letters compare without
// case; the accelerator after a tab is left alone. Windows-1252 text: the
// letters are those of ASCII and of Latin-1 (Ü, é, ...).
std::vector<std::string> withMnemonics(std::vector<std::string> labels);

}  // namespace kortavex
