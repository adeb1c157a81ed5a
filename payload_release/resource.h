// Resource ids of the payload release dialog, shared by the resource script and the code.
#pragma once

#define IDD_PAYLOAD_RELEASE 102  // the dialog
#define IDC_ARM_BUTTON 1         // arms and disarms the release; the default button
#define IDC_ANGLE_LABEL 1003     // the label above the angle
#define IDC_TETHER_GROUP 1004    // group box whose caption names the tether vessel
#define IDC_ANGLE_TEXT 1005      // the payload angle in degrees
