#pragma once

#include "forms/frmMapOptions.h"
#include "map/Pictures.h"
#include "state/SettingsRecord.h"
#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "ui/Changed.h"
#include "ui/Form.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dered {

// What the map's colours and pictures mean: each player's colour, the terrain colours and
// the four unit kinds. It follows the colours chosen and the report opened.
class frmLegend : public Form, public Observable<Changed> {
  public:
    frmLegend(const SettingsRecord& settings, const Documents& documents, TurnEvents& events,
              frmMapOptions& mapOptions);

    struct Line {
        enum class Kind { Heading, Colour, Unit };
        Kind kind = Kind::Heading;
        std::string text;
        int32_t colour = 0;            // Colour lines
        const Picture* unit = nullptr; // Unit lines
    };
    const std::vector<Line>& Lines() const { return lines_; }

    void Form_Load() override;

  private:
    void Refresh();

    const SettingsRecord& settings_;
    const Documents& documents_;
    // The turn on screen.
    const GameState& Game() const { return documents_.Shown().records; }
    const MapPictures& pictures_ = TheMapPictures();
    std::vector<Line> lines_;
};

} // namespace dered
