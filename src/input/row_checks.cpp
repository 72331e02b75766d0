#include "row_checks.h"

#include "numbers.h"

namespace simplesso {
namespace {

Message Warning(std::string text) {
    return {"Attenzione!", std::move(text), MessageIcon::Warning};
}

}  // namespace

RowFault CheckRow(const RowTexts& texts, char separator) {
    if (FirstEmptyField(texts)) {
        return RowFault::Empty;
    }
    if (FirstNonNumericField(texts, separator)) {
        return RowFault::NotNumber;
    }
    return RowFault::None;
}

Message RowFaultMessage(RowKind kind, RowFault fault) {
    if (fault == RowFault::Empty) {
        return Warning(kind == RowKind::Objective ? "Compila prima tutti i campi richesti!"
                                                  : "Compilare prima tutti i campi dei vincoli!");
    }
    return Warning("I campi non devono contenere caratteri!");
}

std::optional<int> FirstEmptyField(const RowTexts& texts) {
    for (int i = 0; i < 4; ++i) {
        if (texts[i].empty()) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> FirstNonNumericField(const RowTexts& texts, char separator) {
    for (int i = 0; i < 4; ++i) {
        if (!IsNumber(texts[i], separator)) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace simplesso
