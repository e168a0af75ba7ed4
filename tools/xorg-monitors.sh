# Sourced by the tests that need two monitors, which Xvfb cannot give (its
# Xinerama heads all lie at 0,0). start_xorg_monitors FOLDER starts Xorg with
# the dummy driver on a free display, the primary DUMMY0 at 1280x800 and DUMMY1
# at 1024x768 to its right, with its files in FOLDER; sets XORG_PID and DISPLAY.
start_xorg_monitors() {
  local folder=$1 fifo=$1/displayfd num
  cat >"$folder/xorg.conf" <<'CONF'
Section "ServerFlags"
  # None of the machine's input devices: the tests use XTest only.
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "card"
  Driver "dummy"
  VideoRam 65536
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
  Modeline "1280x800" 83.50 1280 1352 1480 1680 800 803 809 831 -hsync +vsync
  Modeline "1024x768" 63.50 1024 1072 1176 1328 768 771 775 798 -hsync +vsync
EndSection
Section "Screen"
  Identifier "screen"
  Device "card"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 2304 800
    Modes "1280x800"
  EndSubSection
EndSection
CONF
  rm -f "$fifo" && mkfifo "$fifo"
  Xorg -displayfd 3 -config "$folder/xorg.conf" -noreset -nolisten tcp -logfile "$folder/xorg.log" \
    3>"$fifo" >/dev/null 2>&1 &
  XORG_PID=$!
  read -r -t 30 num <"$fifo" || { echo "Xorg did not start (see $folder/xorg.log)" >&2; kill "$XORG_PID" 2>/dev/null; rm -f "$fifo"; return 1; }
  rm -f "$fifo"
  export DISPLAY=:$num
  xrandr --addmode DUMMY1 1024x768 &&
    xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0 &&
    probe_outputs
}

# The dummy driver reports a newly switched-on output as connected only after
# a client has asked it to probe its outputs; until then Wine, which reads the
# current state without probing, sees one monitor.
probe_outputs() { xrandr >/dev/null; }
