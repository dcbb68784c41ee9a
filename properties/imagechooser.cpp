#include "imagechooser.h"

#include "core/serviceslot.h"

namespace {

class NoImageChooser final : public ImageChooser
{
public:
    int showImageDialog(QString &) override { return 0; }
};

using Slot = ServiceSlot<ImageChooser, NoImageChooser>;

} // namespace

ImageChooser *ImageChooser::instance()
{
    return Slot::get();
}

void ImageChooser::install(ImageChooser *chooser)
{
    Slot::install(chooser);
}
