#include "forms/frmEditHex.h"

#include "state/LeadingNumber.h"
#include "state/Numbers.h"

#include <charconv>
#include <string>

namespace dered {

namespace {

// The editor gives a cell areas 1 to 273 only; any other number leaves the cell as it was.
constexpr int16_t kLastMapArea = 273;

std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

frmEditHex::frmEditHex(HexMap& hexMap, FormManager& forms)
    : Form("frmEditHex", "Edit Hex"), hexMap_(hexMap), forms_(forms) {
    cmdOK.onClick = [this] { cmdOK_Click(); };
}

void frmEditHex::FillFromCell(CellRef cell) {
    const HexCell& hex = hexMap_.At(cell.col, cell.row);
    lblX.SetText(std::to_string(cell.col));
    lblY.SetText(std::to_string(cell.row));
    txtArea.SetText(std::to_string(hex.Area));
    for (size_t k = 0; k < chkBorder.size(); ++k) {
        chkBorder[k].SetValue(hex.Border[k] != 0 ? 1 : 0);
    }
    // A shown flag is stored as -1 and ticks the box.
    for (size_t j = 0; j < chkDisplay.size(); ++j) {
        chkDisplay[j].SetValue(hex.Display[j] != 0 ? 1 : 0);
    }
}

std::optional<CellRef> frmEditHex::HeldCell() const {
    const auto col = WholeNumber(lblX.Text());
    const auto row = WholeNumber(lblY.Text());
    if (!col || !row || *col < 1 || *col > MapColumns || *row < 1 || *row > MapRows) {
        return std::nullopt;
    }
    return CellRef{static_cast<int16_t>(*col), static_cast<int16_t>(*row)};
}

void frmEditHex::cmdOK_Click() {
    int16_t area = 0;
    const bool fits = NearestInt16(LeadingNumber(txtArea.Text()), area);
    const auto cell = HeldCell();
    if (fits && area >= 1 && area <= kLastMapArea && cell) {
        HexCell& hex = hexMap_.At(cell->col, cell->row);
        hex.Area = area;
        for (size_t k = 0; k < chkBorder.size(); ++k) {
            hex.Border[k] = chkBorder[k].Value() != 0 ? 1 : 0;
        }
        for (size_t j = 0; j < chkDisplay.size(); ++j) {
            hex.Display[j] = chkDisplay[j].Value() != 0 ? -1 : 0;
        }
    }
    forms_.Hide(*this);
}

} // namespace dered
