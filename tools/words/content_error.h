#pragma once
// What is wrong with a line of a word list, in French.
#include <stdexcept>
#include <string>

class ErreurContenu : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A fault found at a line of a word list (line 0: the file as a whole).
struct Probleme {
    int ligne;
    std::string message;
};
