Vessin
Vessin Harbour
East Vessin
Tolkan
Sohrn
Ebbing Mill
Valcerra
Vaara Marsh
Kivi Ridge
Tavrin
Kolvetz
Drenov
Lesk
Vostrin
Zarya Heights
Kamen Wood
Belomar Spit
Górski Brzeg
Wolna Ferry
Kell Sands
Halvard Reach
Greywater Sound
Marlstone Shoal
Tallbridge
Northmere
Sèvremont
Kårnö Island
Gradale Rocks
