#pragma once

#include <string>
#include <string_view>

// What a screen reader says each control of a calculator is. Every task is named by a feminine
// noun ("adição", "conversão de fracção em dízima"), so one set of phrases serves them all; the
// layout tables give the noun, these give the roles.
namespace talvera::kit::spoken {

// "adição" → "Adição"; the nouns all start with an ASCII letter.
std::string capitalized(std::string_view noun);

// "Adição, primeira fracção, numerador"; fraction 0 is the task's only fraction.
std::string term(std::string_view noun, int fraction, bool denominator);

// "Adição, resultado, denominador", and so on for any role of a fraction.
std::string fractionPart(std::string_view noun, std::string_view role, bool denominator);

// "Adição, resultado inteiro": a box that stands alone.
std::string box(std::string_view noun, std::string_view role);

std::string perform(std::string_view noun);           // "Efectuar a adição"
std::string clearResult(std::string_view noun);       // "Apagar o resultado da adição"
std::string clearAll(std::string_view noun);          // "Apagar tudo da adição"
std::string step(std::string_view noun, int number);  // "Adição, 1º passo"
std::string stepMode(std::string_view noun);          // "Adição, um passo de cada vez"

}  // namespace talvera::kit::spoken
