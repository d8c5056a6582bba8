#!/usr/bin/env bash
# Starts `entrega` on a fresh demo database under its own Xvfb display, waits for the delivery screen, presses
# "Salir" with the mouse and expects the program to end at once with exit code 0.
source "$(dirname "$0")/comun.sh"

preparar_demo
abrir_pantalla
salir
echo "e2e: the delivery screen opened and Salir ended it"
