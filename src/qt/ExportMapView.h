#pragma once

#include "qt/DialogView.h"

#include <string>

namespace dered {

class frmExportMap;
struct MapPictureJob;

// frmExportMap: the format, cell shape and size, arrows; the view writes the PNG and the PDF
// and prints, from the map the form draws on the desktop's image surface.
class ExportMapView : public DialogView {
  public:
    ExportMapView(frmExportMap& form, const ViewContext& context);

  private:
    std::string Write(const frmExportMap& form, const MapPictureJob& job);
};

} // namespace dered
