#pragma once

#include "properties/propertyrowdesc.h"

// The property pages of the control kinds, one family per source file.
struct PropertyPageList {
    const PropertyPageDesc *pages;
    int count;
};

// The page itself, the login form and the place widget.
PropertyPageList pageFamilyPages();
// Labels and the search box.
PropertyPageList labelFamilyPages();
// The plain action buttons.
PropertyPageList buttonFamilyPages();
// Page, link and command buttons.
PropertyPageList commandFamilyPages();
// Matrix, grid and layout controls.
PropertyPageList matrixFamilyPages();
// List and source controls.
PropertyPageList listFamilyPages();
// Audio controls.
PropertyPageList audioFamilyPages();
// Media, camera, keyboard and meeting controls.
PropertyPageList mediaFamilyPages();
// The video widget, the virtual wall and the screen button list.
PropertyPageList wallFamilyPages();

// The page of a kind, or null for a kind that has none.
const PropertyPageDesc *findPropertyPage(int nClass);

// Every kind that has a page, with its page builder, a member of PropertyWidget.
#define PROPERTY_PAGE_BUILDERS(X) \
    X(100, createPageProperty) \
    X(101, createLoginWidgetProperty) \
    X(102, createPlaceWidgetProperty) \
    X(103, createImageLabelProperty) \
    X(104, createLabelProperty) \
    X(105, createTimeLabelProperty) \
    X(106, createVideoWidgetProperty) \
    X(107, createSearchWidgetProperty) \
    X(108, createAudioLabelProperty) \
    X(109, createVirwallProperty) \
    X(110, createMatrixProperty) \
    X(111, createSceneListWidgetProperty) \
    X(112, createPreviewWidgetProperty) \
    X(113, createButtonProperty) \
    X(114, createAllFullButtonProperty) \
    X(115, createToTopButtonProperty) \
    X(116, createCleanButtonProperty) \
    X(117, createCleanAllMatrixButtonProperty) \
    X(118, createPlanStopButtonProperty) \
    X(119, createPlanSaveButtonProperty) \
    X(120, createOSDButtonProperty) \
    X(121, createBackgroundImageButtonProperty) \
    X(122, createSceneSaveButtonProperty) \
    X(123, createCallPreLayoutButtonProperty) \
    X(124, createPreLayoutSwitchButtonProperty) \
    X(125, createHomeButtonProperty) \
    X(126, createPageButtonProperty) \
    X(127, createOpenUrlButtonProperty) \
    X(128, createOpenProcessButtonProperty) \
    X(129, createCmdButtonProperty) \
    X(130, createCmdStatusButtonProperty) \
    X(131, createCmdProgressProperty) \
    X(133, createCmdRelativeButtonProperty) \
    X(134, createMatrixButtonProperty) \
    X(135, createScreenButtonListWidgetProperty) \
    X(136, createPlayButtonListWidgetProperty) \
    X(137, createPPTButtonListWidgetProperty) \
    X(138, createMatrixPageButtonProperty) \
    X(139, createMatrixShowNumButtonProperty) \
    X(140, createGridSettingButtonProperty) \
    X(141, createAllGridSettingButtonProperty) \
    X(143, createAudioButtonProperty) \
    X(144, createAudioMuteButtonProperty) \
    X(145, createAudioVolumeWidgetProperty) \
    X(146, createAudioModeButtonProperty) \
    X(148, createAudioSwitchButtonProperty) \
    X(149, createSourceTurnButtonProperty) \
    X(150, createSourceModeButtonProperty) \
    X(151, createPreLayoutModeButtonProperty) \
    X(153, createPtzButtonProperty) \
    X(154, createFilePageTurnButtonProperty) \
    X(155, createVideoResetButtonProperty) \
    X(156, createVideoButtonProperty) \
    X(157, createVideoProgressProperty) \
    X(158, createKvmButtonProperty) \
    X(159, createFeatureButtonProperty) \
    X(160, createMouseKeyButtonProperty) \
    X(161, createMuxFeatureButtonProperty) \
    X(162, createAudioVumeterBarProperty) \
    X(163, createAudioMatrixWidgetProperty) \
    X(164, createMeetingButtonProperty)
