/* The five list converters: templates 17 to 20 and 22, each with its
   controls numbered from its own base. */
#pragma once

#define IDD_LENGTH_CONVERTER 17
#define IDD_WEIGHT_CONVERTER 18
#define IDD_AREA_CONVERTER 19
#define IDD_VOLUME_CONVERTER 20
#define IDD_SPEED_CONVERTER 22
/* Their icons, in their windows and on their launcher buttons. */
#define IDI_LENGTH_CONVERTER 2007
#define IDI_WEIGHT_CONVERTER 2008
#define IDI_AREA_CONVERTER 2009
#define IDI_VOLUME_CONVERTER 2010
#define IDI_SPEED_CONVERTER 2012

#define LENGTH_CONVERTER_BASE 700
#define WEIGHT_CONVERTER_BASE 800
#define AREA_CONVERTER_BASE 900
#define VOLUME_CONVERTER_BASE 1000
#define SPEED_CONVERTER_BASE 1200

/* Added to a converter's base. */
#define IDC_LIST_VALUE 21
#define IDC_LIST_VALUE_UPDOWN 22
#define IDC_LIST_UNIT 23
#define IDC_LIST_CONVERT 24
#define IDC_LIST_RESULTS 25
