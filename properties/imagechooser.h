#pragma once

#include <QString>

// Lets the user pick a picture of the open project for an image row. The
// application owns that dialog and installs itself here; until it does, no
// picture can be picked.
class ImageChooser
{
public:
    static ImageChooser *instance();
    // Null puts the default back.
    static void install(ImageChooser *chooser);

    // Opens on the picture path names; QDialog::Accepted with the chosen
    // picture in path, 0 when nothing was chosen.
    virtual int showImageDialog(QString &path) = 0;

protected:
    ~ImageChooser() = default;
};
