#include "quantities.h"

namespace velmora {

std::string_view QuantitySymbol(Quantity q) {
    return kQuantitySymbols.at(static_cast<std::size_t>(q));
}

const PairDefinition& PairAt(InputPair pair) {
    return kInputPairs.at(static_cast<std::size_t>(pair));
}

}  // namespace velmora
